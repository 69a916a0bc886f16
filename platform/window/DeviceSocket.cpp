#include "platform/window/DeviceSocket.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <cstdlib>
#include <string>

#include "platform/device/DevicePath.h"

namespace platform {
namespace {

constexpr int kProbeMs = 500;

}  // namespace

QString deviceSocketName(std::string_view role) {
    const std::string key = canonicalDeviceRoot().string() + "|" + std::string(role);
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(key), QCryptographicHash::Sha1).toHex();
    const QString name = QStringLiteral("tevalo-") + QString::fromLatin1(digest.left(20));
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return QDir(QString::fromLocal8Bit(runtime)).filePath(name);
    return name;
}

bool socketAnswers(const QString& name) {
    QLocalSocket probe;
    probe.connectToServer(name);
    const bool live = probe.waitForConnected(kProbeMs);
    if (live) probe.disconnectFromServer();
    return live;
}

bool listenClearingStale(QLocalServer& server, const QString& name) {
    if (server.listen(name)) return true;
    if (socketAnswers(name)) return false;
    QLocalServer::removeServer(name);
    return server.listen(name);
}

}  // namespace platform
