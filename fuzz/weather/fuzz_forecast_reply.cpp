// Feeds arbitrary bytes through the forecast reply path as the screens use it:
// check, split for a city list and for one city, present every day record,
// and read the update stamp's age.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/text/Utf.h"
#include "weather/CodeTables.h"
#include "weather/DayRecord.h"
#include "weather/ForecastReply.h"
#include "weather/UpdateAge.h"

namespace {

void present(const weather::CityForecast& city, int year) {
    for (const auto& day : city.days) {
        const weather::DayRecord record(day);
        (void)record.weatherText();
        (void)record.weatherPicture();
        (void)record.listTemperature();
        (void)record.detailTemperature(true);
        (void)record.detailTemperature(false);
        (void)record.dateText(year);
        (void)record.windDirectionText();
        (void)record.windDirectionPicture();
        (void)record.windForceText();
        (void)record.rainfall();
        (void)weather::weatherPhrase(record.main(2));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 6) return 0;
    // The first bytes choose the device's clock; the rest is the reply.
    const platform::LocalTime now{2000 + data[0] % 40, data[1] % 14, data[2] % 33,
                                  data[3] % 25,        data[4] % 61, 0,
                                  data[5] % 7};
    const std::u16string reply =
        platform::fromUtf8(std::string_view(reinterpret_cast<const char*>(data + 6), size - 6));
    if (weather::checkForecastReply(reply) != weather::ReplyCheck::Ok) return 0;

    static const std::vector<weather::CityRef> cities{
        {u"101010100", u"北京"}, {u"101020100", u"上海"}, {u"101280101", u"广州"}};
    const weather::ForecastUpdate list = weather::parseForecastReply(reply, cities);
    const int year = weather::stampYear(list.stamp);
    (void)weather::updateAgeText(list.stamp, now);
    for (const auto& city : list.cities) present(city, year);

    const weather::ForecastUpdate single = weather::parseSingleCityReply(reply, cities[0]);
    for (const auto& city : single.cities) present(city, year);
    return 0;
}
