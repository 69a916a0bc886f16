#pragma once

// Named mutexes shared by the threads of this process ("TEVALO_FOR_DEMO_SYNC").
// Every NamedMutex with the same name refers to the same lock; the lock lives
// while any handle does. Like the platform's mutex it is recursive for the
// owning thread, and it is created unowned. Waiters are served first come,
// first served: a thread that releases and waits again queues behind a thread
// already waiting, so two threads taking turns really alternate.

#include <memory>
#include <string>
#include <thread>

namespace platform {

class NamedMutex final {
public:
    explicit NamedMutex(std::u16string name);
    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    // Waits up to `milliseconds` (negative: forever). True when owned.
    bool wait(int milliseconds = -1);
    // Gives up one level of ownership; false when the thread did not own it.
    bool release();
    // Threads queued in wait() now.
    int waitingThreads() const;
    // True when a handle with this name existed already (ERROR_ALREADY_EXISTS).
    bool alreadyExisted() const { return alreadyExisted_; }
    const std::u16string& name() const { return name_; }

    struct Shared;

private:
    std::u16string name_;
    std::shared_ptr<Shared> shared_;
    bool alreadyExisted_ = false;
};

}  // namespace platform
