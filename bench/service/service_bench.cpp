// What one request costs the service before any socket work: taking the target
// apart and making the reply, for the busiest paths, with the shipped place table.

#include <benchmark/benchmark.h>

#include "service/ForecastService.h"
#include "service/RequestParser.h"

namespace {

service::ForecastService& answers() {
    static service::ForecastService instance(service::CityTable::load(SERVICE_BENCH_DATA));
    return instance;
}

const service::LocalTime kNow{2026, 7, 6, 15, 31, 51};

void answer(benchmark::State& state, const char* target) {
    auto& service = answers();
    size_t bytes = 0;
    for (auto _ : state) {
        const auto reply = service.answer(service::RequestParser::parse(target), kNow);
        bytes += reply.body.size();
        benchmark::DoNotOptimize(reply);
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

// Nine cities, as a full three-day list.
constexpr const char* kNineCities =
    "/spservers/kuvaro_weathers/110000-120000-310000-500000-510100-440100-230100-540100-650100"
    "?version=symbian2.0&code=abc1234";
constexpr const char* kNineCitiesWeekly =
    "/spservers/kuvaro_week_weathers/110000-120000-310000-500000-510100-440100-230100-540100-"
    "650100?version=symbian2.0&code=abc1234";
constexpr const char* kWarnings =
    "/spservers/find_disasters_weathers?version=symbian2.0&code=abc1234";
constexpr const char* kReportList = "/spservers/report_title?type=2&version=symbian2.0&code=a";

BENCHMARK_CAPTURE(answer, three_day_nine_cities, kNineCities);
BENCHMARK_CAPTURE(answer, weekly_nine_cities, kNineCitiesWeekly);
BENCHMARK_CAPTURE(answer, disaster_warnings, kWarnings);
BENCHMARK_CAPTURE(answer, ten_day_report_list, kReportList);

void loadReferenceTables(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(service::CityTable::load(SERVICE_BENCH_DATA));
}
BENCHMARK(loadReferenceTables)->Unit(benchmark::kMillisecond);

}  // namespace
