#pragma once

// A volume held by another process (volume_lock_holder) for the life of the
// object: the lock is taken before the constructor returns (held() says
// whether it was) and given back when the object goes, waiting for the holder
// to end. Operations that need the lock wait out the busy time-out and fail.

#include <sys/types.h>

#include <filesystem>

namespace testing_support {

class HeldVolume final {
public:
    enum class Lock {
        Write,      // a writer mid-transaction: reading goes on, writing waits
        Exclusive,  // nothing reads or writes
    };

    HeldVolume(const std::filesystem::path& volume, Lock lock);
    ~HeldVolume();
    HeldVolume(const HeldVolume&) = delete;
    HeldVolume& operator=(const HeldVolume&) = delete;

    bool held() const { return held_; }
    // Gives the lock back now; the holder has ended when this returns.
    void release();

private:
    pid_t pid_ = -1;
    int input_ = -1;  // the holder's standard input; closing it ends the hold
    bool held_ = false;
};

}  // namespace testing_support
