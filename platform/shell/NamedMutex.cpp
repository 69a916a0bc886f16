#include "platform/shell/NamedMutex.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <list>
#include <map>
#include <mutex>

namespace platform {

struct NamedMutex::Shared {
    std::mutex guard;
    std::condition_variable changed;
    std::thread::id owner;
    int depth = 0;
    // Tickets of the queued waiters, oldest first; the oldest is served next.
    std::list<std::uint64_t> queue;
    std::uint64_t nextTicket = 0;
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
    Shared& s = *shared_;
    std::unique_lock lock(s.guard);
    const auto me = std::this_thread::get_id();
    if (s.depth > 0 && s.owner == me) {
        ++s.depth;
        return true;
    }
    const std::uint64_t ticket = s.nextTicket++;
    s.queue.push_back(ticket);
    const auto myTurn = [&] { return s.depth == 0 && s.queue.front() == ticket; };
    bool owned = true;
    if (milliseconds < 0) {
        s.changed.wait(lock, myTurn);
    } else {
        owned = s.changed.wait_for(lock, std::chrono::milliseconds(milliseconds), myTurn);
    }
    if (!owned) {
        // Given up: the next in the queue may be served now.
        s.queue.remove(ticket);
        s.changed.notify_all();
        return false;
    }
    s.queue.pop_front();
    s.owner = me;
    s.depth = 1;
    return true;
}

bool NamedMutex::release() {
    Shared& s = *shared_;
    std::lock_guard lock(s.guard);
    if (s.depth == 0 || s.owner != std::this_thread::get_id()) return false;
    if (--s.depth == 0) {
        s.owner = {};
        s.changed.notify_all();
    }
    return true;
}

int NamedMutex::waitingThreads() const {
    std::lock_guard lock(shared_->guard);
    return static_cast<int>(shared_->queue.size());
}

}  // namespace platform
