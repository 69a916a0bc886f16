#include "weather/UpdateAge.h"

#include <array>

#include "platform/text/Utf.h"

namespace weather {
namespace {

// Year, month, day, hour and minute of a stamp, each the integer before the
// next "-", " " or ":".
std::array<int, 5> stampFields(std::u16string_view stamp) {
    std::array<int, 5> fields{};
    size_t start = 0;
    for (int& field : fields) {
        if (start > stamp.size()) break;
        size_t end = stamp.find_first_of(u"- :", start);
        if (end == std::u16string_view::npos) end = stamp.size();
        field = platform::toInt(stamp.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

}  // namespace

std::u16string updateAgeText(std::u16string_view stamp, const platform::LocalTime& now) {
    if (stamp.empty()) return u"无更新记录";
    const std::array<int, 5> then = stampFields(stamp);
    const std::array<int, 5> current{now.year, now.month, now.day, now.hour, now.minute};
    static constexpr std::array<std::u16string_view, 5> units{u"", u"月前", u"天前", u"小时前",
                                                              u"分钟前"};
    for (size_t i = 0; i < then.size(); ++i) {
        if (then[i] == current[i]) continue;
        if (then[i] > current[i]) break;  // stamp in the future
        if (i == 0) return platform::fromInt(then[0]);
        return platform::fromInt(static_cast<long long>(current[i]) - then[i]) +
               std::u16string(units[i]);
    }
    return u"0分钟前";
}

}  // namespace weather
