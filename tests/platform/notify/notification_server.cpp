// A small freedesktop notification server for tests: owns
// org.freedesktop.Notifications on the session bus, appends every Notify call
// to a file as one line (application, summary, body, separated by tabs;
// newlines written as "\n") before it answers, and prints "ready" once it
// owns the name.
//
//   tevalo_test_notification_server LOG-FILE

#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <cstdio>

class NotificationLog final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit NotificationLog(QString path) : path_(std::move(path)) {}

public slots:
    Q_SCRIPTABLE uint Notify(const QString& appName, uint, const QString&, const QString& summary,
                             const QString& body, const QStringList&, const QVariantMap&, int) {
        QFile file(path_);
        if (file.open(QIODevice::Append)) {
            const QString line = appName + '\t' + summary + '\t' +
                                 QString(body).replace('\n', QStringLiteral("\\n")) + '\n';
            file.write(line.toUtf8());
        }
        return ++lastId_;
    }
    Q_SCRIPTABLE QStringList GetCapabilities() { return {QStringLiteral("body")}; }
    Q_SCRIPTABLE void CloseNotification(uint) {}

private:
    QString path_;
    uint lastId_ = 0;
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tevalo_test_notification_server LOG-FILE\n");
        return 2;
    }
    NotificationLog log(QString::fromLocal8Bit(argv[1]));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &log,
                            QDBusConnection::ExportScriptableSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "notification server: cannot own the name on the session bus\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "notification_server.moc"
