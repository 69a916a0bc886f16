#pragma once

// The forecast reply of the service: "stamp`block$block$...", each block up to
// seven day records joined by "|". Parsing turns a reply into the records to
// store; storing them is the store's job.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace weather {

// A stored day field or stamp holds at most this many characters.
inline constexpr size_t kDayFieldLength = 100;
inline constexpr int kForecastSlots = 7;

// City code and name of the update stamp record.
inline constexpr std::u16string_view kStampCityCode = u"65535";
inline constexpr std::u16string_view kStampCityName = u"更新时间";

// A city of a request, as the user's city list holds it.
struct CityRef {
    std::u16string code;
    std::u16string name;
};

// One city's record to store: code and name from the request's city list,
// Day 1 to Day 7 from its block (missing slots empty).
struct CityForecast {
    std::u16string code;
    std::u16string name;
    std::array<std::u16string, kForecastSlots> days;
    bool operator==(const CityForecast&) const = default;
};

// What a reply stores: the stamp first, then the city records in the order
// they are to be written; a later record of a city replaces an earlier one.
struct ForecastUpdate {
    std::u16string stamp;
    std::vector<CityForecast> cities;
};

enum class ReplyCheck {
    Ok,
    ReadFailed,  // no reply text: "网络读取失败"
    NoData,      // "0", "-1" or a mark-up page: "无法获取网络数据"
};

// Checks a reply before any splitting; an absent or empty text is a failed read.
ReplyCheck checkForecastReply(const std::optional<std::u16string>& reply);

// The message for a failed check; empty for Ok.
std::u16string_view replyCheckMessage(ReplyCheck check);

// A reply for the cities of a list request, in request order: block j of a
// section belongs to cities[j]; empty blocks are skipped (the next block still
// belongs to the next city), blocks past the list and text after the last "$"
// are ignored. The reply must have passed checkForecastReply().
ForecastUpdate parseForecastReply(std::u16string_view reply, std::span<const CityRef> cities);

// A reply for one city: every non-empty block is a record of that city.
ForecastUpdate parseSingleCityReply(std::u16string_view reply, const CityRef& city);

// The day records of one city block.
std::array<std::u16string, kForecastSlots> splitCityBlock(std::u16string_view block);

}  // namespace weather
