#pragma once

// The second thread of a list update: it writes "连接服务器获取数据中" once and
// then one "正在更新数据：<name>" per city on the progress strip, holding the
// screen's named mutex while it writes. The updating thread paces it: each
// turn it grants lets the thread write one text, and it waits for that text
// before it takes the mutex back, so every name is shown in turn, one per
// stored city, however the two threads are scheduled.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/shell/NamedMutex.h"

namespace app {

class ProgressThread final {
public:
    // Called with the mutex held.
    using Write = std::function<void(std::u16string_view text)>;

    ProgressThread(platform::NamedMutex& mutex, std::vector<std::u16string> names, Write write);
    // Lets the thread write what is left and waits for it.
    ~ProgressThread();
    ProgressThread(const ProgressThread&) = delete;
    ProgressThread& operator=(const ProgressThread&) = delete;

    // False when the thread could not be created.
    bool start();
    // Lets the thread write its next text.
    void grantTurn();
    // Blocks until `count` texts have been written in all, or the thread has
    // ended (or never started).
    void awaitTexts(std::size_t count);
    // Lets the thread write every text left and waits for its end: every way
    // out of an update runs the thread to its end.
    void finish();

    static constexpr std::chrono::milliseconds kFirstPause{30};

private:
    void run();
    void awaitGrant(std::size_t text);

    platform::NamedMutex& mutex_;
    std::vector<std::u16string> names_;
    Write write_;
    std::thread thread_;
    std::mutex guard_;
    std::condition_variable changed_;
    std::size_t granted_ = 0;
    std::size_t written_ = 0;
    bool running_ = false;
};

}  // namespace app
