#pragma once

// The launcher's stop signals (SIGINT, SIGTERM, SIGHUP) taken as events rather
// than handlers: blocked for the whole process from construction, readable
// through a signal descriptor, so the launcher ends what it started before it
// goes instead of dying half-way.

#include <sys/types.h>

namespace launcher {

enum class WaitResult { Ended, Signalled };

class StopSignals final {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Waits until process `pid` has ended (it need not be a child) or a stop
    // signal arrives. A process that cannot be watched counts as ended.
    WaitResult waitForEnd(pid_t pid);
    bool signalled() const { return signalled_; }

private:
    int descriptor_ = -1;
    bool signalled_ = false;
};

}  // namespace launcher
