#pragma once

// The test notification server as a child process on the current session bus,
// with the notifications it received. Ends the process when destroyed.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

struct ReceivedNotification {
    std::string appName;
    std::string summary;
    std::string body;
};

class NotificationServerProcess final {
public:
    NotificationServerProcess();
    ~NotificationServerProcess();
    NotificationServerProcess(const NotificationServerProcess&) = delete;
    NotificationServerProcess& operator=(const NotificationServerProcess&) = delete;

    // True once the server owns its name on the bus.
    bool ready() const { return ready_; }
    // Every notification received so far, oldest first. Notify calls are
    // answered after they are written, so a finished call is always here.
    std::vector<ReceivedNotification> received() const;

private:
    std::filesystem::path log_;
    pid_t pid_ = -1;
    bool ready_ = false;
};

}  // namespace testing_support
