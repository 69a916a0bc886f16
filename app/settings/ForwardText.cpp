#include "app/settings/ForwardText.h"

#include "weather/CodeTables.h"
#include "weather/ReplySyntax.h"

namespace app {
namespace {

constexpr std::u16string_view kLabels[3] = {u"\n今天：", u"\n明天：", u"\n后天："};
constexpr std::u16string_view kUnknown = u"未知";

}  // namespace

std::u16string ForwardText::dayLine(std::u16string_view dayRecord) {
    if (dayRecord.empty()) return std::u16string(kUnknown);
    const auto parts = weather::splitWithTrailing(dayRecord, weather::kDaySeparator);
    const auto fields = weather::splitWithTrailing(parts.front(), weather::kFieldSeparator);
    std::u16string line;
    if (fields.size() > 2) line += weather::weatherPhrase(fields[2]);
    // The second kind code names the weather that follows. Sending the bare code
    // ("多云1") would be meaningless to the reader, so a change is spelled out
    // the way the detail view shows it; code 0 is 晴, a real weather.
    if (fields.size() > 3 && !fields[3].empty() && fields[3] != fields[2]) {
        line += u"转";
        line += weather::weatherPhrase(fields[3]);
    }
    return line;
}

std::u16string ForwardText::forecast(std::u16string_view cityName, const ThreeDays* days) {
    std::u16string text(cityName);
    for (int day = 0; day < 3; ++day) {
        text += kLabels[day];
        text += days != nullptr ? dayLine((*days)[day]) : std::u16string(kUnknown);
    }
    return text;
}

platform::ComposerMessage ForwardText::forward(std::u16string_view text) {
    return {u"SMS", u"", u"此消息来至米多晴雨匣", std::u16string(text)};
}

platform::ComposerMessage ForwardText::recommend(std::u16string_view wapSite) {
    std::u16string subject = u"我正在使用天气预报软件“米多晴雨匣”，真的很不错哟！下载地址：";
    subject += wapSite;
    return {u"SMS", u"", u"米多晴雨匣", std::move(subject)};
}

platform::ComposerMessage ForwardText::feedback(std::u16string_view number) {
    return {u"SMS", std::u16string(number), u"意见反馈", u""};
}

}  // namespace app
