#include "weather/RequestPath.h"

namespace weather {
namespace {

constexpr std::u16string_view kRoot = u"/spservers/";

std::u16string withQuery(std::u16string path, std::u16string_view clientCode) {
    return path + clientQuery(clientCode);
}

}  // namespace

std::u16string clientQuery(std::u16string_view clientCode) {
    return u"?version=symbian2.0&code=" + std::u16string(clientCode);
}

std::u16string joinCodes(std::span<const std::u16string> codes) {
    std::u16string joined;
    for (size_t i = 0; i < codes.size(); ++i) {
        if (i > 0) joined += u'-';
        joined += codes[i];
    }
    return joined;
}

std::u16string threeDayForecastPath(std::span<const std::u16string> cityCodes,
                                    std::u16string_view clientCode) {
    return withQuery(std::u16string(kRoot) + u"kuvaro_weathers/" + joinCodes(cityCodes),
                     clientCode);
}

std::u16string weeklyForecastPath(std::span<const std::u16string> cityCodes,
                                  std::u16string_view clientCode) {
    return withQuery(std::u16string(kRoot) + u"kuvaro_week_weathers/" + joinCodes(cityCodes),
                     clientCode);
}

std::u16string onDemandForecastPath(const OnDemandCity& city) {
    return std::u16string(kRoot) + u"kuvaro_dbweathers/" + city.code + u"*" + city.token +
           u"?version=symbian2.0";
}

std::u16string onDemandForecastPath(std::span<const OnDemandCity> cities) {
    std::u16string path = std::u16string(kRoot) + u"kuvaro_dbweathers/";
    for (const OnDemandCity& city : cities) path += city.code + u"*" + city.token + u"-";
    return path + u"?version=symbian2.0";
}

std::u16string reportListPath(ReportKind kind, std::u16string_view clientCode) {
    std::u16string_view type;
    switch (kind) {
        case ReportKind::TenDay:
            type = u"2";
            break;
        case ReportKind::Monthly:
            type = u"1";
            break;
        case ReportKind::Quarterly:
            type = u"3";
            break;
    }
    return std::u16string(kRoot) + u"report_title?type=" + std::u16string(type) +
           u"&version=symbian2.0&code=" + std::u16string(clientCode);
}

std::u16string reportTextPath(std::u16string_view reportId, std::u16string_view clientCode) {
    return withQuery(std::u16string(kRoot) + u"find_information/" + std::u16string(reportId),
                     clientCode);
}

std::u16string dangerReportPath(std::u16string_view clientCode) {
    return withQuery(std::u16string(kRoot) + u"danger_report", clientCode);
}

std::u16string disasterWarningsPath(std::span<const std::u16string> storedIds,
                                    std::u16string_view clientCode) {
    return withQuery(std::u16string(kRoot) + u"find_disasters_weathers" + joinCodes(storedIds),
                     clientCode);
}

std::u16string fireWarningsPath(std::span<const std::u16string> storedIds,
                                std::u16string_view clientCode) {
    return withQuery(std::u16string(kRoot) + u"find_fire_warning" + joinCodes(storedIds),
                     clientCode);
}

}  // namespace weather
