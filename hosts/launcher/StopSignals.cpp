#include "hosts/launcher/StopSignals.h"

#include <poll.h>
#include <sys/signalfd.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace launcher {
namespace {

sigset_t stopSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}

}  // namespace

StopSignals::StopSignals() {
    const sigset_t set = stopSet();
    ::sigprocmask(SIG_BLOCK, &set, nullptr);
    descriptor_ = ::signalfd(-1, &set, SFD_CLOEXEC);
}

StopSignals::~StopSignals() {
    if (descriptor_ >= 0) ::close(descriptor_);
    const sigset_t set = stopSet();
    ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

WaitResult StopSignals::waitForEnd(pid_t pid) {
    // A pidfd becomes readable when the process ends, whoever its parent is
    // (the application the setup hook started is not the launcher's child).
    const int process = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    if (process < 0) return WaitResult::Ended;
    pollfd watch[2] = {{process, POLLIN, 0}, {descriptor_, POLLIN, 0}};
    WaitResult result = WaitResult::Ended;
    for (;;) {
        const int ready = ::poll(watch, descriptor_ >= 0 ? 2 : 1, -1);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0 || (watch[0].revents & (POLLIN | POLLHUP | POLLERR))) break;
        if (watch[1].revents & POLLIN) {
            signalfd_siginfo info;
            if (::read(descriptor_, &info, sizeof info) > 0) {
                signalled_ = true;
                result = WaitResult::Signalled;
                break;
            }
        }
    }
    ::close(process);
    return result;
}

}  // namespace launcher
