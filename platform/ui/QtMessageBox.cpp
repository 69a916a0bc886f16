#include "platform/ui/QtMessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QWidget>
#include <vector>

namespace platform::ui {
namespace {

QMessageBox::Icon iconOf(unsigned type) {
    switch (type & MB_ICONMASK) {
        case MB_ICONHAND:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONASTERISK:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QString labelOf(int answer) {
    switch (answer) {
        case IDYES:
            return QStringLiteral("是");
        case IDNO:
            return QStringLiteral("否");
        case IDCANCEL:
            return QStringLiteral("取消");
        case IDABORT:
            return QStringLiteral("中止");
        case IDRETRY:
            return QStringLiteral("重试");
        case IDIGNORE:
            return QStringLiteral("忽略");
        default:
            return QStringLiteral("确定");
    }
}

QMessageBox::ButtonRole roleOf(int answer) {
    switch (answer) {
        case IDYES:
            return QMessageBox::YesRole;
        case IDNO:
            return QMessageBox::NoRole;
        case IDCANCEL:
        case IDABORT:
            return QMessageBox::RejectRole;
        default:
            return QMessageBox::AcceptRole;
    }
}

}  // namespace

int QtMessageBox::show(const MessageBoxRequest& request) {
    QMessageBox box(static_cast<QWidget*>(request.owner));
    box.setIcon(iconOf(request.type));
    box.setWindowTitle(QString::fromStdU16String(request.caption));
    box.setText(QString::fromStdU16String(request.text));
    // The X window role names the text (percent-encoded: the role is Latin-1), so that
    // tools on the display, and the real-display tests, read what the box says.
    box.setWindowRole(QStringLiteral("message:") +
                      QString::fromLatin1(QUrl::toPercentEncoding(box.text())));
    struct Answer {
        QPushButton* button;
        int answer;
    };
    std::vector<Answer> answers;
    const int n = buttonCount(request.type);
    for (int i = 0; i < n; ++i) {
        const int a = buttonAnswer(request.type, i);
        answers.push_back({box.addButton(labelOf(a), roleOf(a)), a});
    }
    const int def = defaultAnswer(request.type);
    for (const Answer& a : answers) {
        if (a.answer == def) box.setDefaultButton(a.button);
    }
    // Escape: No or Cancel when there is one, else the last button.
    QPushButton* escape = answers.back().button;
    for (const Answer& a : answers) {
        if (a.answer == IDCANCEL || a.answer == IDNO) escape = a.button;
    }
    box.setEscapeButton(escape);
    box.exec();
    // Without a window manager nobody hands the keyboard back to the screen that asked.
    if (auto* owner = static_cast<QWidget*>(request.owner); owner && owner->window()->isVisible()) {
        owner->window()->activateWindow();
    }
    for (const Answer& a : answers) {
        if (box.clickedButton() == a.button) return a.answer;
    }
    return def;
}

void QtMessageBox::install() {
    setMessageBoxHandler(&QtMessageBox::show);
}

}  // namespace platform::ui
