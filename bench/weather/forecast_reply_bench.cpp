// Splitting and presenting the reply of a nine-city, seven-day update, the
// largest forecast list the screens refresh at once.

#include <benchmark/benchmark.h>

#include <vector>

#include "platform/text/Utf.h"
#include "weather/DayRecord.h"
#include "weather/ForecastReply.h"
#include "weather/UpdateAge.h"

namespace {

std::vector<weather::CityRef> nineCities() {
    std::vector<weather::CityRef> cities;
    for (int i = 0; i < 9; ++i) {
        cities.push_back({u"10101" + platform::fromInt(1000 + i), u"城市" + platform::fromInt(i)});
    }
    return cities;
}

std::u16string nineCityReply() {
    std::u16string reply = u"2009-07-06 15:31:51`";
    for (int city = 0; city < 9; ++city) {
        for (int day = 0; day < 7; ++day) {
            if (day > 0) reply += u'|';
            reply += u"ci_1*08/" + platform::fromInt(18 + day) + u"*" + platform::fromInt(city) +
                     u"*" + platform::fromInt(city + day % 2) + u"*2" + platform::fromInt(day) +
                     u"*3" + platform::fromInt(day) + u"*" + platform::fromInt(day) + u"*" +
                     platform::fromInt(city) + u"&较舒适*短袖类*适宜晨练*" +
                     platform::fromInt(100 * day);
        }
        reply += u'$';
    }
    return reply;
}

void BM_SplitNineCityReply(benchmark::State& state) {
    const auto cities = nineCities();
    const std::u16string reply = nineCityReply();
    for (auto _ : state) {
        auto update = weather::parseForecastReply(reply, cities);
        benchmark::DoNotOptimize(update);
    }
    state.SetBytesProcessed(state.iterations() * reply.size() * sizeof(char16_t));
}
BENCHMARK(BM_SplitNineCityReply);

void BM_DecodeSplitAndPresentNineCityReply(benchmark::State& state) {
    const auto cities = nineCities();
    const std::string wire = platform::toUtf8(nineCityReply());
    const platform::LocalTime now{2009, 7, 6, 18, 0, 0, 1};
    for (auto _ : state) {
        const std::u16string reply = platform::fromUtf8(wire);
        const auto update = weather::parseForecastReply(reply, cities);
        const int year = weather::stampYear(update.stamp);
        benchmark::DoNotOptimize(weather::updateAgeText(update.stamp, now));
        for (const auto& city : update.cities) {
            for (const auto& day : city.days) {
                const weather::DayRecord record(day);
                benchmark::DoNotOptimize(record.weatherText());
                benchmark::DoNotOptimize(record.weatherPicture());
                benchmark::DoNotOptimize(record.listTemperature());
                benchmark::DoNotOptimize(record.detailTemperature(true));
                benchmark::DoNotOptimize(record.dateText(year));
                benchmark::DoNotOptimize(record.windDirectionText());
                benchmark::DoNotOptimize(record.windForceText());
                benchmark::DoNotOptimize(record.rainfall());
            }
        }
    }
    state.SetBytesProcessed(state.iterations() * wire.size());
}
BENCHMARK(BM_DecodeSplitAndPresentNineCityReply);

}  // namespace
