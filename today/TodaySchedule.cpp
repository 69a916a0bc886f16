#include "today/TodaySchedule.h"

#include "platform/text/Utf.h"

namespace today {

void TodaySchedule::setUpdateTime(std::u16string_view text) {
    text_ = std::u16string(text);
    hour_ = minute_ = -1;
    const auto first = text.find(u':');
    if (first == std::u16string_view::npos) return;
    const auto second = text.find(u':', first + 1);
    if (second == std::u16string_view::npos) return;
    hour_ = platform::toInt(text.substr(0, first));
    minute_ = storedMinute_ = platform::toInt(text.substr(first + 1, second - first - 1));
}

bool TodaySchedule::forecastDue(int hour, int minute) {
    if (hour_ < 0 || hour != hour_) return false;
    if (minute != minute_) {
        forecastGuard_ = false;
        return false;
    }
    if (forecastGuard_) return false;
    forecastGuard_ = true;
    return true;
}

void TodaySchedule::forecastFailed() {
    if (++minute_ > 59) minute_ = storedMinute_;
    forecastGuard_ = false;
}

bool TodaySchedule::warningsDue(int hour, int minute) {
    if (hour != 9 && hour != 14) {
        warningGuard_ = false;
        return false;
    }
    if (minute != 12 || warningGuard_) return false;
    warningGuard_ = true;
    return true;
}

}  // namespace today
