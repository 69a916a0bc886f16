#pragma once

// The device's local time. TEVALO_CLOCK ("2026-12-07T09:11:50", local time)
// sets the time the device clock shows when the process starts; from there it
// runs on in real time. Tests replace the source altogether.

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace platform {

struct LocalTime {
    int year = 0;
    int month = 0;      // 1-12
    int day = 0;        // 1-31
    int hour = 0;       // 0-23
    int minute = 0;     // 0-59
    int second = 0;     // 0-59
    int dayOfWeek = 0;  // 0 = Sunday ... 6 = Saturday
    bool operator==(const LocalTime&) const = default;
};

LocalTime localTime();

using ClockSource = std::function<LocalTime()>;

// Installs a clock for the whole process; an empty source restores the device
// clock. Returns the source that was installed before.
ClockSource setClockForTesting(ClockSource source);

// Installs a clock that always shows `time` while it lives.
class FixedClock final {
public:
    explicit FixedClock(const LocalTime& time);
    ~FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    void set(const LocalTime& time);

private:
    struct State;
    std::shared_ptr<State> state_;
    ClockSource previous_;
};

// Parses "YYYY-MM-DDTHH:MM:SS" (a blank instead of the "T" is accepted) and
// fills in the day of the week; nothing for any other text or an impossible date.
std::optional<LocalTime> parseIsoLocalTime(std::string_view text);

}  // namespace platform
