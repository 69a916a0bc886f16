#include "weather/DayRecord.h"

#include "platform/text/Utf.h"
#include "weather/CodeTables.h"
#include "weather/ReplySyntax.h"

namespace weather {
namespace {

enum Main : size_t { Tag, Date, Kind, NextKind, Low, High, Direction, Force };

}  // namespace

DayRecord::DayRecord(std::u16string_view record) {
    const std::vector<std::u16string> parts = splitWithTrailing(record, kDaySeparator);
    main_ = splitWithTrailing(parts[0], kFieldSeparator);
    if (parts.size() > 1) extra_ = splitWithTrailing(parts[1], kFieldSeparator);
}

std::u16string_view DayRecord::main(size_t index) const {
    return index < main_.size() ? std::u16string_view(main_[index]) : std::u16string_view();
}

std::u16string_view DayRecord::extra(size_t index) const {
    return index < extra_.size() ? std::u16string_view(extra_[index]) : std::u16string_view();
}

std::u16string DayRecord::weatherText() const {
    if (main_.size() <= Kind) return {};
    std::u16string text(weatherKindText(platform::toInt(main(Kind))));
    if (main_.size() > NextKind && main(NextKind) != main(Kind)) {
        text += u"转";
        text += weatherKindText(platform::toInt(main(NextKind)));
    }
    return text;
}

std::u16string_view DayRecord::weatherPicture() const {
    if (main_.size() <= Kind) return {};
    if (main_.size() > NextKind && main(NextKind) != main(Kind)) {
        return weatherKindPicture(platform::toInt(main(NextKind)));
    }
    return weatherKindPicture(platform::toInt(main(Kind)));
}

std::u16string DayRecord::listTemperature() const {
    if (main(Low).empty()) return u"请更新查看";
    std::u16string text(main(Low));
    if (!main(High).empty()) {
        text += u"～";
        text += main(High);
    }
    return text;
}

bool DayRecord::hasDetailTemperature() const {
    return main_.size() > High && !main(Low).empty();
}

std::u16string DayRecord::detailTemperature(bool today) const {
    if (!hasDetailTemperature()) return u"未知";
    std::u16string text(main(Low));
    text += today ? u"/" : u"～";
    text += main(High);
    return text;
}

std::u16string DayRecord::dateText(int year) const {
    const std::u16string_view date = main(Date);
    if (date.empty()) return {};
    const size_t slash = date.find(u'/');
    const int month = platform::toInt(date.substr(0, slash));
    const int day =
        slash == std::u16string_view::npos ? 0 : platform::toInt(date.substr(slash + 1));
    return std::u16string(date) + weekdayText(weekdayIndex(year, month, day));
}

std::u16string_view DayRecord::windDirectionText() const {
    return main_.size() > Direction ? weather::windDirectionText(platform::toInt(main(Direction)))
                                    : std::u16string_view();
}

std::u16string_view DayRecord::windDirectionPicture() const {
    return main_.size() > Direction
               ? weather::windDirectionPicture(platform::toInt(main(Direction)))
               : std::u16string_view();
}

std::u16string_view DayRecord::windForceText() const {
    return main_.size() > Force ? weather::windForceText(platform::toInt(main(Force)))
                                : std::u16string_view();
}

int weekdayIndex(int year, int month, int day) {
    // Wide arithmetic and a non-negative remainder: the fields come from the
    // service and may hold anything.
    long long y = year;
    long long m = month;
    const long long d = day;
    if (m == 1 || m == 2) {
        m += 12;
        y -= 1;
    }
    const long long w = (d + 2 * m + 3 * (m + 1) / 5 + y + y / 4 - y / 100 + y / 400) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w);
}

int stampYear(std::u16string_view stamp) {
    int year = 0;
    for (char16_t c : stamp) {
        if (c < u'0' || c > u'9') break;
        if (year > 100000) break;  // not a year any more; keep it from overflowing
        year = year * 10 + (c - u'0');
    }
    return year;
}

}  // namespace weather
