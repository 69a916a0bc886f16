#pragma once

// The settings-change broadcast (WM_WININICHANGE) between the processes of one
// device. A sender appends one line with the first parameter in decimal to the
// file "\Windows\wininichange" of the device root; listeners watch that file
// with QFileSystemWatcher and receive every line written after they started.
// The home-screen host reloads its items when it receives 0xF2 (242).

#include <QFileSystemWatcher>
#include <QObject>
#include <filesystem>
#include <functional>

namespace platform {

class SettingChange final {
public:
    static std::filesystem::path file();
    // Appends the message; false when the file cannot be written.
    static bool broadcast(unsigned wParam);
};

class SettingChangeListener final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingChangeListener)

public:
    explicit SettingChangeListener(std::function<void(unsigned wParam)> onMessage,
                                   QObject* parent = nullptr);
    // Reads what arrived since the last call (also done on every file change).
    void poll();

private:
    void watch();

    std::function<void(unsigned)> onMessage_;
    QFileSystemWatcher watcher_;
    std::filesystem::path file_;
    std::uintmax_t offset_ = 0;
};

}  // namespace platform
