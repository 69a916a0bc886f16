#include "weather/ForecastReply.h"

#include "weather/ReplySyntax.h"

namespace weather {
namespace {

// Cuts a text to the stored field length without leaving half a surrogate pair.
std::u16string fieldText(std::u16string_view text) {
    if (text.size() <= kDayFieldLength) return std::u16string(text);
    size_t length = kDayFieldLength;
    if (text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) --length;
    return std::u16string(text.substr(0, length));
}

CityForecast recordOf(const CityRef& city, std::u16string_view block) {
    return CityForecast{city.code, city.name, splitCityBlock(block)};
}

template <typename CityOfBlock>
ForecastUpdate parse(std::u16string_view reply, CityOfBlock cityOfBlock) {
    const std::vector<std::u16string> sections = splitWithTrailing(reply, kSectionSeparator);
    ForecastUpdate update;
    update.stamp = fieldText(sections.front());
    for (size_t s = 1; s < sections.size(); ++s) {
        const std::vector<std::u16string> blocks = splitTerminated(sections[s], kBlockTerminator);
        for (size_t j = 0; j < blocks.size(); ++j) {
            if (blocks[j].empty()) continue;
            const CityRef* city = cityOfBlock(j);
            if (!city) break;
            update.cities.push_back(recordOf(*city, blocks[j]));
        }
    }
    return update;
}

}  // namespace

ReplyCheck checkForecastReply(const std::optional<std::u16string>& reply) {
    if (!reply || reply->empty()) return ReplyCheck::ReadFailed;
    if (*reply == u"0" || *reply == u"-1" || reply->front() == u'<') return ReplyCheck::NoData;
    return ReplyCheck::Ok;
}

std::u16string_view replyCheckMessage(ReplyCheck check) {
    switch (check) {
        case ReplyCheck::ReadFailed:
            return u"网络读取失败";
        case ReplyCheck::NoData:
            return u"无法获取网络数据";
        case ReplyCheck::Ok:
            break;
    }
    return {};
}

std::array<std::u16string, kForecastSlots> splitCityBlock(std::u16string_view block) {
    std::array<std::u16string, kForecastSlots> days;
    const std::vector<std::u16string> slots = splitWithTrailing(block, kSlotSeparator);
    for (size_t i = 0; i < slots.size() && i < days.size(); ++i) days[i] = fieldText(slots[i]);
    return days;
}

ForecastUpdate parseForecastReply(std::u16string_view reply, std::span<const CityRef> cities) {
    return parse(reply, [&](size_t j) { return j < cities.size() ? &cities[j] : nullptr; });
}

ForecastUpdate parseSingleCityReply(std::u16string_view reply, const CityRef& city) {
    return parse(reply, [&](size_t) { return &city; });
}

}  // namespace weather
