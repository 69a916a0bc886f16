#include "platform/shell/NamedMutex.h"

#include <chrono>
#include <map>
#include <mutex>

namespace platform {

struct NamedMutex::Shared {
    std::recursive_timed_mutex lock;
    // Ownership depth per thread is tracked by the lock itself; this counts the
    // calling thread's levels so that release() can refuse a non-owner.
    std::mutex bookkeeping;
    std::thread::id owner;
    int depth = 0;
};

namespace {

std::mutex& tableMutex() {
    static std::mutex m;
    return m;
}

std::map<std::u16string, std::weak_ptr<NamedMutex::Shared>>& table() {
    static std::map<std::u16string, std::weak_ptr<NamedMutex::Shared>> t;
    return t;
}

}  // namespace

NamedMutex::NamedMutex(std::u16string name) : name_(std::move(name)) {
    std::lock_guard guard(tableMutex());
    auto& entry = table()[name_];
    shared_ = entry.lock();
    alreadyExisted_ = shared_ != nullptr;
    if (!shared_) {
        shared_ = std::make_shared<Shared>();
        entry = shared_;
    }
}

NamedMutex::~NamedMutex() {
    std::lock_guard guard(tableMutex());
    shared_.reset();
    auto it = table().find(name_);
    if (it != table().end() && it->second.expired()) table().erase(it);
}

bool NamedMutex::wait(int milliseconds) {
    bool owned = false;
    if (milliseconds < 0) {
        shared_->lock.lock();
        owned = true;
    } else {
        owned = shared_->lock.try_lock_for(std::chrono::milliseconds(milliseconds));
    }
    if (owned) {
        std::lock_guard guard(shared_->bookkeeping);
        shared_->owner = std::this_thread::get_id();
        ++shared_->depth;
    }
    return owned;
}

bool NamedMutex::release() {
    {
        std::lock_guard guard(shared_->bookkeeping);
        if (shared_->depth == 0 || shared_->owner != std::this_thread::get_id()) return false;
        if (--shared_->depth == 0) shared_->owner = {};
    }
    shared_->lock.unlock();
    return true;
}

}  // namespace platform
