#pragma once

// When the item fetches on its own: the daily forecast update at the stored update
// time, retried minute by minute within the hour after a failure, and the warning
// updates at 09:12 and 14:12. Each has a guard so that it starts at most once in its
// minute, however often the home screen asks.

#include <string>
#include <string_view>

namespace today {

class TodaySchedule final {
public:
    // Takes the stored update time text "hour:minute:second". A text without two ":"
    // names no minute, and then no forecast update runs until a usable text is stored.
    void setUpdateTime(std::u16string_view text);
    const std::u16string& updateTimeText() const { return text_; }
    bool hasUpdateTime() const { return hour_ >= 0; }
    int updateHour() const { return hour_; }
    int updateMinute() const { return minute_; }

    // True when the forecast update is to start now; sets the guard.
    bool forecastDue(int hour, int minute);
    // A failed update is tried again in the next minute; the moved minute stays until
    // the stored text changes. Past the end of the hour it goes back to the stored
    // minute, so that a morning without network does not end the daily updates.
    void forecastFailed();

    // True when the warning updates are to start now; sets the guard.
    bool warningsDue(int hour, int minute);

private:
    std::u16string text_;
    int hour_ = -1;
    int minute_ = -1;
    int storedMinute_ = -1;
    bool forecastGuard_ = false;
    bool warningGuard_ = false;
};

}  // namespace today
