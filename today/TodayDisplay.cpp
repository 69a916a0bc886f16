#include "today/TodayDisplay.h"

#include "platform/text/Utf.h"
#include "weather/CodeTables.h"
#include "weather/DayRecord.h"

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
    // Only the main part counts: a short main part followed by the extra part must not
    // lend its "&" and index fields to the temperature.
    const weather::DayRecord fields(record);
    auto& day = days_[n];
    const auto count = fields.mainFieldCount();
    if (count >= 2) day.date = fields.main(1);
    if (count >= 3) {
        day.picture = weather::weatherKindPicture(platform::toInt(fields.main(2)));
    }
    day.temperature = count >= 6
                          ? std::u16string(fields.main(4)) + u"～" + std::u16string(fields.main(5))
                          : u"未知";
}

}  // namespace today
