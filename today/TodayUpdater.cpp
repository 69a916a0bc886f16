#include "today/TodayUpdater.h"

#include <vector>

#include "store/NewWarningNotice.h"
#include "store/WarningReply.h"
#include "weather/ForecastReply.h"
#include "weather/RequestPath.h"

namespace today {
namespace {

// The application's words for a store that cannot be written.
constexpr char16_t kStoreFailedText[] = u"数据保存失败，请检查存储空间";

}  // namespace

bool TodayUpdater::updateForecast(const std::u16string& clientCode) {
    const auto cities = store_.threeDayCities();
    if (!cities || cities->empty()) return false;
    std::vector<std::u16string> codes;
    for (const auto& city : *cities) codes.push_back(city.cityCode);
    std::u16string reply;
    const bool read = fetch_.fetch(weather::threeDayForecastPath(codes, clientCode),
                                   static_cast<int>(cities->size()), reply);
    // An empty reply counts as a failed read, so that it never replaces the stored
    // update stamp with an empty one.
    switch (weather::checkForecastReply(read ? std::optional(reply) : std::nullopt)) {
        case weather::ReplyCheck::ReadFailed:
            showMessage_(u"获取网络数据失败", u"提示");
            return false;
        case weather::ReplyCheck::NoData:
            showMessage_(u"没有网络数据", u"提示");
            return false;
        case weather::ReplyCheck::Ok:
            break;
    }
    if (store_.storeForecast(reply, *cities)) return true;
    showMessage_(kStoreFailedText, u"提示");
    return false;
}

bool TodayUpdater::updateWarnings(store::WarningKind kind, const std::u16string& clientCode) {
    const auto stored = store_.warnings(kind);
    if (!stored) return false;
    std::vector<std::u16string> ids;
    for (const auto& warning : *stored) ids.push_back(warning.id);
    const auto path = kind == store::WarningKind::Disaster
                          ? weather::disasterWarningsPath(ids, clientCode)
                          : weather::fireWarningsPath(ids, clientCode);
    std::u16string reply;
    if (!fetch_.fetch(path, 7 * static_cast<int>(ids.size()), reply)) return false;
    if (weather::checkForecastReply(reply) != weather::ReplyCheck::Ok) return false;
    // Warnings stored already stay as they are; the item keeps no unread count.
    const auto parsed = store::parseWarnings(reply);
    std::vector<std::u16string> newTitles;
    if (store_.addWarnings(kind, parsed.items, parsed.updateTime, &newTitles)) {
        store::announceNewWarnings(newTitles);
        return true;
    }
    showMessage_(kStoreFailedText, u"提示");
    return false;
}

}  // namespace today
