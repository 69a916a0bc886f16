#include "today/TodayDisplay.h"

#include "platform/text/Utf.h"
#include "weather/CodeTables.h"
#include "weather/ReplySyntax.h"

namespace today {

const std::array<std::u16string, 3>& TodayDisplay::placeholderDays() {
    static const std::array<std::u16string, 3> days = {
        u"ci_1*08/18*1*1*28*32*1*2&***1500",
        u"ci_1*08/19*1*0*28*34*0*0&**",
        u"ci_1*08/20*3*3*27*33*0*0&**",
    };
    return days;
}

void TodayDisplay::clear() {
    cityName_.clear();
    days_ = {};
}

void TodayDisplay::loadCity(const std::u16string& name,
                            const std::optional<std::array<std::u16string, 3>>& days) {
    if (name.empty()) return;
    cityName_ = name;
    const auto& records = days ? *days : placeholderDays();
    for (int n = 0; n < 3; ++n) loadDay(n, records[n]);
}

void TodayDisplay::loadDay(int n, const std::u16string& record) {
    // Only the main part of the record counts: a short main part followed by the
    // extra part would otherwise lend its "&" and index fields to the temperature.
    const auto main = record.substr(0, record.find(weather::kDaySeparator));
    const auto fields = weather::splitWithTrailing(main, weather::kFieldSeparator);
    auto& day = days_[n];
    if (fields.size() >= 2) day.date = fields[1];
    if (fields.size() >= 3)
        day.picture = std::u16string(weather::weatherKindPicture(platform::toInt(fields[2])));
    day.temperature = fields.size() >= 6 ? fields[4] + u"～" + fields[5] : u"未知";
}

}  // namespace today
