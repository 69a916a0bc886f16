#include "app/shell/Recommendation.h"

namespace app {

platform::ComposerMessage recommendMessage(std::u16string_view wapSite) {
    platform::ComposerMessage m;
    m.service = u"SMS";
    m.body = u"米多晴雨匣";
    m.subject = u"我正在使用天气预报软件“米多晴雨匣”，真的很不错哟！下载地址：";
    m.subject += wapSite;
    return m;
}

platform::ComposerMessage feedbackMessage(const ServiceContacts& contacts) {
    platform::ComposerMessage m;
    m.service = u"SMS";
    m.to = contacts.feedbackNumber;
    m.body = u"意见反馈";
    return m;
}

}  // namespace app
