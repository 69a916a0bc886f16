#include "platform/ui/QtMessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "platform/ui/MessageBox.h"
#include "platform/ui/WinDefs.h"

namespace platform::ui {
namespace {

QString qs(std::u16string_view s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

QMessageBox::Icon iconOf(unsigned flags) {
    switch (flags & 0xF0) {
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

}  // namespace

int QtMessageBox::show(QWidget* owner, std::u16string_view text, std::u16string_view caption,
                       unsigned flags) {
    QMessageBox box(owner);
    box.setIcon(iconOf(flags));
    box.setWindowTitle(qs(caption));
    box.setText(qs(text));
    struct Answer {
        QPushButton* button;
        int result;
    };
    std::vector<Answer> answers;
    auto add = [&](const QString& label, QMessageBox::ButtonRole role, int result) {
        answers.push_back({box.addButton(label, role), result});
    };
    switch (flags & 0x0F) {
        case MB_OKCANCEL:
            add(QStringLiteral("确定"), QMessageBox::AcceptRole, IDOK);
            add(QStringLiteral("取消"), QMessageBox::RejectRole, IDCANCEL);
            break;
        case MB_YESNOCANCEL:
            add(QStringLiteral("是"), QMessageBox::YesRole, IDYES);
            add(QStringLiteral("否"), QMessageBox::NoRole, IDNO);
            add(QStringLiteral("取消"), QMessageBox::RejectRole, IDCANCEL);
            break;
        case MB_YESNO:
            add(QStringLiteral("是"), QMessageBox::YesRole, IDYES);
            add(QStringLiteral("否"), QMessageBox::NoRole, IDNO);
            break;
        default:
            add(QStringLiteral("确定"), QMessageBox::AcceptRole, IDOK);
            break;
    }
    box.setDefaultButton(answers.front().button);
    box.setEscapeButton(answers.back().button);
    box.exec();
    for (const Answer& a : answers) {
        if (box.clickedButton() == a.button) return a.result;
    }
    return answers.back().result;
}

namespace {

MessageBoxHandler& handler() {
    static MessageBoxHandler h;
    return h;
}

}  // namespace

int messageBox(QWidget* owner, std::u16string_view text, std::u16string_view caption,
               unsigned flags) {
    if (handler()) return handler()(owner, text, caption, flags);
    return QtMessageBox::show(owner, text, caption, flags);
}

void setMessageBoxHandler(MessageBoxHandler h) {
    handler() = std::move(h);
}

}  // namespace platform::ui
