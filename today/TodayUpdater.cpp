#include "today/TodayUpdater.h"

#include <vector>

#include "today/TodayWarningReply.h"

namespace today {
namespace {

constexpr char16_t kQuery[] = u"?version=symbian2.0&code=";

std::u16string joined(const std::vector<std::u16string>& parts) {
    std::u16string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += u'-';
        text += parts[i];
    }
    return text;
}

bool isNoData(const std::u16string& reply) {
    return reply == u"0" || reply == u"-1" || (!reply.empty() && reply.front() == u'<');
}

}  // namespace

bool TodayUpdater::updateForecast(const std::u16string& clientCode) {
    const auto cities = store_.threeDayCities();
    if (!cities || cities->empty()) return false;
    std::vector<std::u16string> codes;
    for (const auto& city : *cities) codes.push_back(city.cityCode);
    const auto path = u"/spservers/kuvaro_weathers/" + joined(codes) + kQuery + clientCode;
    std::u16string reply;
    if (!fetch_.fetch(path, static_cast<int>(cities->size()), reply)) {
        showMessage_(u"获取网络数据失败", u"提示");
        return false;
    }
    if (isNoData(reply)) {
        showMessage_(u"没有网络数据", u"提示");
        return false;
    }
    return store_.storeForecast(reply, *cities);
}

bool TodayUpdater::updateWarnings(store::WarningKind kind, const std::u16string& clientCode) {
    const auto stored = store_.warnings(kind);
    if (!stored) return false;
    std::vector<std::u16string> ids;
    for (const auto& warning : *stored) ids.push_back(warning.id);
    const std::u16string resource = kind == store::WarningKind::Disaster
                                        ? u"/spservers/find_disasters_weathers"
                                        : u"/spservers/find_fire_warning";
    const auto path = resource + joined(ids) + kQuery + clientCode;
    std::u16string reply;
    if (!fetch_.fetch(path, 7 * static_cast<int>(ids.size()), reply)) {
        return false;
    }
    if (isNoData(reply)) return false;
    // Warnings stored already stay as they are; the item keeps no unread count.
    const auto parsed = TodayWarningReply::parse(reply);
    store_.addWarnings(kind, parsed.warnings, parsed.updateTime);
    return true;
}

}  // namespace today
