#include "app/forecast/ProgressThread.h"

#include <limits>
#include <system_error>

namespace app {

ProgressThread::ProgressThread(platform::NamedMutex& mutex, std::vector<std::u16string> names,
                               Write write)
    : mutex_(mutex), names_(std::move(names)), write_(std::move(write)) {}

ProgressThread::~ProgressThread() {
    finish();
}

bool ProgressThread::start() {
    {
        std::lock_guard lock(guard_);
        running_ = true;
    }
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        std::lock_guard lock(guard_);
        running_ = false;
        return false;
    }
    return true;
}

void ProgressThread::grantTurn() {
    {
        std::lock_guard lock(guard_);
        ++granted_;
    }
    changed_.notify_all();
}

void ProgressThread::awaitTexts(std::size_t count) {
    std::unique_lock lock(guard_);
    changed_.wait(lock, [&] { return !running_ || written_ >= count; });
}

void ProgressThread::finish() {
    {
        std::lock_guard lock(guard_);
        granted_ = std::numeric_limits<std::size_t>::max();
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void ProgressThread::awaitGrant(std::size_t text) {
    std::unique_lock lock(guard_);
    changed_.wait(lock, [&] { return granted_ > text; });
}

void ProgressThread::run() {
    // Text 0 is the connecting text, text k the name of city k - 1.
    for (std::size_t text = 0; text <= names_.size(); ++text) {
        awaitGrant(text);
        mutex_.wait();
        write_(text == 0 ? std::u16string(u"连接服务器获取数据中")
                         : u"正在更新数据：" + names_[text - 1]);
        {
            std::lock_guard lock(guard_);
            ++written_;
        }
        changed_.notify_all();
        mutex_.release();
        if (text == 0) std::this_thread::sleep_for(kFirstPause);
    }
    {
        std::lock_guard lock(guard_);
        running_ = false;
    }
    changed_.notify_all();
}

}  // namespace app
