#pragma once

// The second thread of a list update: it writes "连接服务器获取数据中" once and
// then one "正在更新数据：<name>" per city on the progress strip, taking turns
// with the updating thread through the screen's named mutex. The updating thread
// releases the mutex after each stored city, which paces the names.

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/shell/NamedMutex.h"

namespace app {

class ProgressThread final {
public:
    // Called with the mutex held; `first` is the connecting text.
    using Write = std::function<void(std::u16string_view text)>;

    ProgressThread(platform::NamedMutex& mutex, std::vector<std::u16string> names, Write write);
    // Waits for the thread: it always ends once the mutex is free.
    ~ProgressThread();
    ProgressThread(const ProgressThread&) = delete;
    ProgressThread& operator=(const ProgressThread&) = delete;

    // False when the thread could not be created.
    bool start();
    void join();

    static constexpr std::chrono::milliseconds kFirstPause{30};

private:
    void run();

    platform::NamedMutex& mutex_;
    std::vector<std::u16string> names_;
    Write write_;
    std::thread thread_;
};

}  // namespace app
