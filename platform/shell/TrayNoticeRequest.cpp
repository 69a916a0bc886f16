#include "platform/shell/TrayNoticeRequest.h"

#include <QRegularExpression>
#include <QString>

namespace platform {

std::vector<NoticeButton> TrayNoticeRequest::buttons() const {
    // <input type="button" name='cmd:100' value="显示"/>; the blank before
    // value may be a tab, and either quote may enclose the values.
    static const QRegularExpression input(
        QStringLiteral(
            R"(<input\b[^>]*\bname\s*=\s*["']cmd:(\d+)["'][^>]*\bvalue\s*=\s*["']([^"']*)["'])"),
        QRegularExpression::CaseInsensitiveOption);
    std::vector<NoticeButton> out;
    auto it = input.globalMatch(QString::fromStdU16String(html));
    while (it.hasNext()) {
        const auto m = it.next();
        out.push_back({m.captured(1).toInt(), m.captured(2).toStdU16String()});
    }
    return out;
}

}  // namespace platform
