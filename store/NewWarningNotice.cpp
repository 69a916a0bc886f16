#include "store/NewWarningNotice.h"

#include "platform/notify/DesktopNotification.h"

namespace store {

namespace {

constexpr std::u16string_view kProductName = u"米多晴雨匣";

std::u16string decimal(size_t value) {
    std::u16string out;
    do {
        out.insert(out.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value);
    return out;
}

}  // namespace

std::u16string newWarningNoticeBody(std::span<const std::u16string> newTitles) {
    if (newTitles.empty()) return {};
    std::u16string body = newTitles.front();
    if (newTitles.size() > 1) body += u"（共" + decimal(newTitles.size()) + u"条）";
    return body;
}

bool announceNewWarnings(std::span<const std::u16string> newTitles) {
    if (newTitles.empty()) return false;
    const std::u16string body = newWarningNoticeBody(newTitles);
    return platform::postDesktopNotification({kProductName, kProductName, body});
}

}  // namespace store
