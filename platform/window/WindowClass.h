#pragma once

// Top-level windows found by their window class from another process of the
// same device (the platform's FindWindow with a class name, and a synchronous
// WM_CLOSE to it). A window that wants to be found registers its class with a
// WindowClassServer; the class is a local socket named after the device root
// and the class name, so two devices on one machine never see each other.

#include <QLocalServer>
#include <QObject>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

class WindowClassServer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowClassServer)

public:
    // onClose runs on this object's thread when another process sends
    // WM_CLOSE; the sender waits until it has returned.
    WindowClassServer(std::u16string_view className, std::function<void()> onClose,
                      QObject* parent = nullptr);
    ~WindowClassServer() override;

    // Starts answering; false when another live window of the class exists.
    bool listen();

private:
    QString name_;
    QLocalServer server_;
    std::function<void()> onClose_;
};

// True when a window of the class exists on this device.
bool findWindowByClass(std::u16string_view className);

// Sends WM_CLOSE to the window of the class and waits until it has been
// handled and the window has gone (at most timeoutMs). False when there was
// no such window or it did not go away in time.
bool closeWindowByClass(std::u16string_view className, int timeoutMs = 10000);

}  // namespace platform
