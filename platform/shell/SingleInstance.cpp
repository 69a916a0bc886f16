#include "platform/shell/SingleInstance.h"

#include <QLocalSocket>
#include <QThread>

#include "platform/window/DeviceSocket.h"

namespace platform {
namespace {

constexpr char kActivate[] = "activate\n";
constexpr int kAttempts = 40;
constexpr int kPauseMs = 250;

}  // namespace

SingleInstance::SingleInstance(const std::string& program, QObject* parent) : QObject(parent) {
    name_ = deviceSocketName(program);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("activate") && onRequest_) onRequest_();
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

SingleInstance::~SingleInstance() {
    server_.close();
}

bool SingleInstance::askRunningToActivate() {
    for (int i = 0; i < kAttempts; ++i) {
        QLocalSocket socket;
        socket.connectToServer(name_);
        if (socket.waitForConnected(kPauseMs)) {
            socket.write(kActivate);
            socket.waitForBytesWritten(kPauseMs);
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(kPauseMs);
    }
    return false;
}

bool SingleInstance::bringRunningToFront() {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (!probe.waitForConnected(kPauseMs)) return false;
    probe.write(kActivate);
    probe.waitForBytesWritten(kPauseMs);
    probe.disconnectFromServer();
    return true;
}

bool SingleInstance::claim() {
    if (listenClearingStale(server_, name_)) return true;
    askRunningToActivate();
    return false;
}

}  // namespace platform
