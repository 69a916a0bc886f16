#pragma once

// One running application per device root. The first process listens on a
// local socket whose name is made from the device root and the program name;
// a second start connects, asks the first to come to the front and ends.

#include <QLocalServer>
#include <QObject>
#include <functional>
#include <string>

namespace platform {

class SingleInstance final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    explicit SingleInstance(const std::string& program, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first; otherwise the running one has been
    // asked to come to the front (tried for up to 10 s, as the phone's 40 x 250 ms).
    bool claim();
    // For a process that does not run the program itself (the launcher): true
    // when an instance is running and has been asked to come to the front.
    bool bringRunningToFront();
    // Called in the first process when a later start asks it to come forward.
    void onActivationRequest(std::function<void()> handler) { onRequest_ = std::move(handler); }

    const QString& socketName() const { return name_; }

private:
    bool askRunningToActivate();

    QString name_;
    QLocalServer server_;
    std::function<void()> onRequest_;
};

}  // namespace platform
