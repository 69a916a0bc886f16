#pragma once

// The start-up values read from the store and the clock: client code (made
// and stored on the first start), whether the setup wizard must run, the
// background number, the unread-warning counts and the date text.

#include <string>

#include "app/shell/AppContext.h"
#include "platform/clock/Clock.h"

namespace app {

class StartupWork final {
public:
    explicit StartupWork(AppContext& context) : context_(context) {}

    // Reads setting "21"; makes and stores a code when absent or empty. False
    // when the setting cannot be read: no code is made then, so the stored one
    // is never replaced.
    bool readClientCode();
    // Setting "5" absent or without its set flag.
    bool setupNeeded() const;
    // Setting "7" as a number; 1 when absent.
    void readBackgroundNumber();
    // Unread disaster and fire warnings.
    void countWarnings();
    void readDateText();

    // The device's short date ("2026/12/7").
    static std::u16string shortDate(const platform::LocalTime& time);
    // Time of day as the settings store it: hour without a leading zero ("8:30:00").
    static std::u16string timeOfDay(int hour, int minute, int second);

private:
    AppContext& context_;
};

}  // namespace app
