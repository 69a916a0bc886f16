#pragma once

// The service's wall clock. It runs with the host's local time, shifted so that
// tests and end-to-end runs can start it at any moment (a shifted clock keeps
// running). Thread-safe.

#include <atomic>

#include "service/LocalTime.h"

namespace service {

class Clock final {
public:
    Clock() = default;

    LocalTime now() const;

    // From now on the clock reads `time` and runs on from there: it reads
    // `time` for the whole of the next second, never a second more.
    void startAt(const LocalTime& time);

private:
    std::atomic<long long> offsetMilliseconds_{0};
};

}  // namespace service
