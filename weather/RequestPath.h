#pragma once

// Paths of every request the product sends to the service host. All begin
// with "/spservers/"; all but the on-demand ones end with the client query.

#include <span>
#include <string>
#include <string_view>

namespace weather {

// "?version=symbian2.0&code=" + client code.
std::u16string clientQuery(std::u16string_view clientCode);

// Codes joined by "-", in the order given.
std::u16string joinCodes(std::span<const std::u16string> codes);

std::u16string threeDayForecastPath(std::span<const std::u16string> cityCodes,
                                    std::u16string_view clientCode);
std::u16string weeklyForecastPath(std::span<const std::u16string> cityCodes,
                                  std::u16string_view clientCode);

// A city of an on-demand request with the token it was requested with.
struct OnDemandCity {
    std::u16string code;
    std::u16string token;
};

// One city: code "*" token; no client code.
std::u16string onDemandForecastPath(const OnDemandCity& city);
// Several cities: code "*" token "-" for each, the last one too.
std::u16string onDemandForecastPath(std::span<const OnDemandCity> cities);

enum class ReportKind { TenDay, Monthly, Quarterly };

std::u16string reportListPath(ReportKind kind, std::u16string_view clientCode);
std::u16string reportTextPath(std::u16string_view reportId, std::u16string_view clientCode);
std::u16string dangerReportPath(std::u16string_view clientCode);

// The identifiers of the warnings already stored, so the service sends only
// newer ones.
std::u16string disasterWarningsPath(std::span<const std::u16string> storedIds,
                                    std::u16string_view clientCode);
std::u16string fireWarningsPath(std::span<const std::u16string> storedIds,
                                std::u16string_view clientCode);

}  // namespace weather
