#pragma once

// Posts a notification on the desktop through the freedesktop notification
// service (org.freedesktop.Notifications on the session bus). Without a
// session bus or a notification service nothing is shown and the call returns
// false at once; it never starts a bus of its own.

#include <string_view>

namespace platform {

struct DesktopNotification {
    std::u16string_view appName;
    std::u16string_view summary;
    std::u16string_view body;
};

// True when the notification service took the notification. Waits at most
// one second for its answer.
bool postDesktopNotification(const DesktopNotification& notification);

}  // namespace platform
