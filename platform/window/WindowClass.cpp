#include "platform/window/WindowClass.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

#include "platform/text/Utf.h"
#include "platform/window/DeviceSocket.h"

namespace platform {
namespace {

constexpr char kCloseRequest[] = "WM_CLOSE\n";
constexpr char kHandled[] = "handled\n";
constexpr int kProbeMs = 500;

QString socketName(std::u16string_view className) {
    return deviceSocketName("class|" + toUtf8(className));
}

}  // namespace

WindowClassServer::WindowClassServer(std::u16string_view className, std::function<void()> onClose,
                                     QObject* parent)
    : QObject(parent), name_(socketName(className)), onClose_(std::move(onClose)) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->readAll().contains("WM_CLOSE")) return;
                if (onClose_) onClose_();
                socket->write(kHandled);
                socket->flush();
                socket->disconnectFromServer();
            });
        }
    });
}

WindowClassServer::~WindowClassServer() {
    server_.close();
}

bool WindowClassServer::listen() {
    return listenClearingStale(server_, name_);
}

bool findWindowByClass(std::u16string_view className) {
    return socketAnswers(socketName(className));
}

bool closeWindowByClass(std::u16string_view className, int timeoutMs) {
    const QString name = socketName(className);
    QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kProbeMs)) return false;
    socket.write(kCloseRequest);
    socket.waitForBytesWritten(kProbeMs);
    QByteArray reply;
    while (!reply.contains('\n') && socket.state() == QLocalSocket::ConnectedState &&
           socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        reply += socket.readAll();
    }
    socket.disconnectFromServer();
    if (!reply.contains("handled")) return false;
    // The window has handled WM_CLOSE; wait until its process lets go of it.
    while (!deadline.hasExpired()) {
        if (!socketAnswers(name)) return true;
        QThread::msleep(50);
    }
    return false;
}

}  // namespace platform
