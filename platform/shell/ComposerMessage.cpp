#include "platform/shell/ComposerMessage.h"

#include <QByteArray>
#include <QString>

namespace platform {
namespace {

std::string encode(const std::u16string& text) {
    const QByteArray utf8 = QString::fromStdU16String(text).toUtf8();
    return QByteArray(utf8.toPercentEncoding()).toStdString();
}

}  // namespace

std::string composerUri(const ComposerMessage& message) {
    std::u16string text = message.subject;
    if (!text.empty() && !message.body.empty()) text += u'\n';
    text += message.body;
    std::string uri = "sms:" + encode(message.to);
    if (!text.empty()) uri += "?body=" + encode(text);
    return uri;
}

}  // namespace platform
