#include "platform/shell/DesktopShell.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdlib>

#include "platform/shell/HomeAutostart.h"
#include "platform/shell/SettingChange.h"

namespace platform {
namespace {

bool startDetached(const std::string& url) {
    // An argument list: the URL is one argument whatever it contains.
    return QProcess::startDetached(QString::fromStdString(DesktopShell::opener()),
                                   {QString::fromStdString(url)});
}

}  // namespace

DesktopShell::DesktopShell() = default;

DesktopShell::~DesktopShell() {
    for (auto& [id, widget] : notices_) delete widget.data();
}

std::string DesktopShell::opener() {
    const char* custom = std::getenv("TEVALO_OPENER");
    return custom && *custom ? custom : "xdg-open";
}

bool DesktopShell::openComposer(const ComposerMessage& message) {
    return startDetached(composerUri(message));
}

bool DesktopShell::openBrowser(const std::u16string& url) {
    return startDetached(QString::fromStdU16String(url).toStdString());
}

void DesktopShell::showNotice(const TrayNoticeRequest& notice,
                              std::function<void(int command)> onCommand) {
    removeNotice(notice.id);
    auto* w = new QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(QString::fromStdU16String(notice.title));
    auto* layout = new QVBoxLayout(w);
    layout->addWidget(new QLabel(QString::fromStdU16String(notice.title), w));
    auto* row = new QHBoxLayout();
    layout->addLayout(row);
    const unsigned id = notice.id;
    for (const NoticeButton& b : notice.buttons()) {
        auto* button = new QPushButton(QString::fromStdU16String(b.text), w);
        row->addWidget(button);
        const int command = b.command;
        QObject::connect(button, &QPushButton::clicked, w, [this, id, command, onCommand] {
            removeNotice(id);
            if (onCommand) onCommand(command);
        });
    }
    w->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        w->move(area.right() - w->width() - 8, area.bottom() - w->height() - 8);
    }
    w->show();
    notices_[id] = w;
}

void DesktopShell::removeNotice(unsigned id) {
    auto it = notices_.find(id);
    if (it == notices_.end()) return;
    if (it->second) it->second->close();
    notices_.erase(it);
}

void DesktopShell::broadcastSettingChange(unsigned wParam) {
    SettingChange::broadcast(wParam);
}

bool DesktopShell::setHomeAutostart(bool enabled) {
    return HomeAutostart().set(enabled);
}

}  // namespace platform
