#pragma once

// One stored day record ("ci_1*08/18*1*1*28*32*1*2&***1500") read for display:
// a main part of eight fields and an extra part of four, joined by "&".
// Missing fields read as empty.

#include <string>
#include <string_view>
#include <vector>

namespace weather {

class DayRecord final {
public:
    explicit DayRecord(std::u16string_view record);

    // Kind text of main 2; "转" and the kind text of main 3 when main 3 is
    // present and differs. Empty when the record has no kind field.
    std::u16string weatherText() const;
    // Picture name of main 3 when it differs from main 2, else of main 2.
    std::u16string_view weatherPicture() const;

    // City list: "28～32", "28" without a highest temperature, "请更新查看"
    // without a lowest one.
    std::u16string listTemperature() const;

    // Detail view: today "28/32", later days "28～32"; "未知" without a lowest
    // temperature or with fewer than six main fields, and then no "℃".
    std::u16string detailTemperature(bool today) const;
    bool hasDetailTemperature() const;

    // Date and weekday, for example "08/18 星期二"; the stamp's year decides
    // the weekday. Empty without a date field.
    std::u16string dateText(int year) const;

    // Wind direction (seven main fields needed) and force (eight needed).
    std::u16string_view windDirectionText() const;
    std::u16string_view windDirectionPicture() const;
    std::u16string_view windForceText() const;

    std::u16string_view comfortIndex() const { return extra(0); }
    std::u16string_view dressingIndex() const { return extra(1); }
    std::u16string_view exerciseIndex() const { return extra(2); }
    std::u16string_view rainfall() const { return extra(3); }

    std::u16string_view main(size_t index) const;
    std::u16string_view extra(size_t index) const;
    size_t mainFieldCount() const { return main_.size(); }

private:
    std::vector<std::u16string> main_;
    std::vector<std::u16string> extra_;
};

// 0 = Monday ... 6 = Sunday, for a Gregorian date; months 1 and 2 count as
// months 13 and 14 of the year before.
int weekdayIndex(int year, int month, int day);

// Integer value of the leading digits of an update stamp ("2009-07-06 ..."),
// 0 for no stamp.
int stampYear(std::u16string_view stamp);

}  // namespace weather
