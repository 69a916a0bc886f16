#pragma once

// The process-wide values that start-up sets and screens read. Nothing else is
// kept between screens; everything else lives in the store.

#include <string>

namespace app {

struct StartupValues {
    std::u16string clientCode;     // setting "21", sent as code= in requests
    int backgroundNumber = 1;      // setting "7"; BackgroundColors gives the colours
    int disasterWarningCount = 0;  // unread disaster warnings (main-menu badge)
    int fireWarningCount = 0;      // unread fire warnings (main-menu badge)
    std::u16string dateText;       // the device's short date, cut before the first blank
};

}  // namespace app
