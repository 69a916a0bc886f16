// The live source's cost: a nine-city answer from the cache next to the
// stand-in's generated one, and how many upstream requests 32 clients that ask
// for the same nine cities at once cause (target: one).

#include <benchmark/benchmark.h>

#include <thread>
#include <vector>

#include "UpstreamStub.h"
#include "service/ForecastService.h"
#include "service/RequestParser.h"

namespace {

using service::testing::StubReply;
using service::testing::UpstreamStub;

const service::LocalTime kNow{2026, 12, 8, 10, 0, 0};
constexpr const char* kNineCities =
    "/spservers/kuvaro_weathers/110000-120000-310000-500000-510100-440100-230100-540100-650100"
    "?version=symbian2.0&code=abc1234";

const service::CityTable& places() {
    static const service::CityTable table = service::CityTable::load(SERVICE_BENCH_DATA);
    return table;
}

UpstreamStub& upstream() {
    static UpstreamStub stub;
    static const bool answering = (stub.answerRecorded("nine_places.json"), true);
    (void)answering;
    return stub;
}

service::LiveOptions liveOptions() {
    service::LiveOptions options;
    options.upstream = upstream().url();
    options.report = [](const std::string& line) {
        std::fprintf(stderr, "upstream: %s\n", line.c_str());
    };
    return options;
}

void answerNineCities(benchmark::State& state, bool live) {
    service::ForecastService service{service::CityTable(places())};
    if (live) service.goLive(liveOptions());
    const auto request = service::RequestParser::parse(kNineCities);
    // The first answer fills the cache; the measured ones come from it.
    if (service.answer(request, kNow).body.size() < 100) state.SkipWithError("no forecast");
    for (auto _ : state) benchmark::DoNotOptimize(service.answer(request, kNow));
}

void standInNineCities(benchmark::State& state) {
    answerNineCities(state, false);
}
void liveNineCitiesFromCache(benchmark::State& state) {
    answerNineCities(state, true);
}
BENCHMARK(standInNineCities);
BENCHMARK(liveNineCitiesFromCache);

// Each iteration: a fresh live source, 32 clients at once, an upstream that
// takes 50 ms to answer.
void upstreamRequestsOfConcurrentClients(benchmark::State& state) {
    upstream().answerWith([](size_t locations) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return StubReply{StubReply::Kind::Answer, 200,
                         service::testing::recordedPlaces("nine_places.json", locations)};
    });
    const auto request = service::RequestParser::parse(kNineCities);
    long long upstreamRequests = 0;
    long long answersWithoutForecast = 0;
    for (auto _ : state) {
        service::ForecastService service{service::CityTable(places())};
        service.goLive(liveOptions());
        std::vector<std::thread> clients;
        std::atomic<long long> empty{0};
        for (int i = 0; i < 32; ++i)
            clients.emplace_back([&] {
                if (service.answer(request, kNow).body.size() < 100) ++empty;
            });
        for (auto& client : clients) client.join();
        upstreamRequests += service.live()->upstreamRequests();
        answersWithoutForecast += empty;
    }
    state.counters["upstream_requests_per_32_clients"] = benchmark::Counter(
        static_cast<double>(upstreamRequests), benchmark::Counter::kAvgIterations);
    state.counters["answers_without_forecast"] = static_cast<double>(answersWithoutForecast);
}
BENCHMARK(upstreamRequestsOfConcurrentClients)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
