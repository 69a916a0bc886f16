#include "app/forecast/ProgressThread.h"

#include <system_error>

namespace app {

ProgressThread::ProgressThread(platform::NamedMutex& mutex, std::vector<std::u16string> names,
                               Write write)
    : mutex_(mutex), names_(std::move(names)), write_(std::move(write)) {}

ProgressThread::~ProgressThread() {
    join();
}

bool ProgressThread::start() {
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void ProgressThread::join() {
    if (thread_.joinable()) thread_.join();
}

void ProgressThread::run() {
    bool connecting = true;
    std::size_t next = 0;
    while (next < names_.size()) {
        mutex_.wait();
        if (connecting) {
            write_(u"连接服务器获取数据中");
        } else {
            write_(u"正在更新数据：" + names_[next]);
        }
        mutex_.release();
        if (connecting) {
            connecting = false;
            std::this_thread::sleep_for(kFirstPause);
        } else {
            ++next;
        }
    }
}

}  // namespace app
