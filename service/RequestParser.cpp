#include "service/RequestParser.h"

#include <array>

#include "platform/text/Utf.h"
#include "weather/ReplySyntax.h"

namespace service {

namespace {

constexpr size_t kMaxCodeLength = 32;
constexpr size_t kMaxTokenLength = 32;

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::vector<std::string> split(std::string_view text, char16_t separator) {
    std::vector<std::string> out;
    for (const auto& piece : weather::splitWithTrailing(platform::fromUtf8(text), separator))
        out.push_back(platform::toUtf8(piece));
    return out;
}

bool isTokenText(std::string_view token) {
    if (token.empty() || token.size() > kMaxTokenLength) return false;
    for (const char c : token)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    return true;
}

std::vector<OnDemandPair> pairsOf(std::string_view argument) {
    std::vector<OnDemandPair> pairs;
    if (argument.empty()) return pairs;
    auto pieces = split(argument, u'-');
    if (pieces.back().empty()) pieces.pop_back();  // a "-" follows every pair
    for (const std::string& piece : pieces) {
        OnDemandPair pair;
        const auto fields = split(piece, weather::kFieldSeparator);
        if (fields.size() == 2) {
            pair.code = fields[0];
            pair.token = fields[1];
            pair.wellFormed =
                !pair.code.empty() && pair.code.size() <= kMaxCodeLength && isTokenText(pair.token);
        }
        pairs.push_back(std::move(pair));
    }
    return pairs;
}

std::vector<std::string> idsOf(std::string_view argument) {
    std::vector<std::string> ids;
    if (argument.empty()) return ids;
    for (std::string& id : split(argument, u'-'))
        if (!id.empty()) ids.push_back(std::move(id));
    return ids;
}

enum class Argument {
    None,        // the path is the resource name alone
    AfterSlash,  // "name/argument", as the forecast and report text paths
    Immediate,   // "nameargument", as the warning paths
};

struct Route {
    std::string_view prefix;
    Resource resource;
    Argument argument;
};

constexpr std::array kRoutes{
    Route{"/spservers/kuvaro_weathers", Resource::ThreeDay, Argument::AfterSlash},
    Route{"/spservers/kuvaro_week_weathers", Resource::Weekly, Argument::AfterSlash},
    Route{"/spservers/kuvaro_dbweathers", Resource::OnDemand, Argument::AfterSlash},
    Route{"/spservers/report_title", Resource::ReportTitles, Argument::None},
    Route{"/spservers/find_information", Resource::ReportText, Argument::AfterSlash},
    Route{"/spservers/danger_report", Resource::DangerReport, Argument::None},
    Route{"/spservers/find_disasters_weathers", Resource::DisasterWarnings, Argument::Immediate},
    Route{"/spservers/find_fire_warning", Resource::FireWarnings, Argument::Immediate},
    Route{"/soft_new", Resource::PastWarnings, Argument::None},
    Route{"/admin/", Resource::Admin, Argument::Immediate},
};

void parseQuery(ServiceRequest& request) {
    std::string_view rest = request.query;
    while (!rest.empty()) {
        const size_t end = rest.find('&');
        const std::string_view pair = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (pair.empty()) continue;
        const size_t equals = pair.find('=');
        const std::string name = RequestParser::percentDecode(pair.substr(0, equals), true);
        const std::string value = equals == std::string_view::npos
                                      ? std::string()
                                      : RequestParser::percentDecode(pair.substr(equals + 1), true);
        request.params.emplace(name, value);  // the first of repeated names wins
    }
}

}  // namespace

std::string RequestParser::percentDecode(std::string_view text, bool plusIsBlank) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else if (c == '+' && plusIsBlank) {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

ServiceRequest RequestParser::parse(std::string_view target) {
    ServiceRequest request;
    if (target.size() > kMaxTargetLength) {
        request.error = "request too long";
        return request;
    }
    if (target.empty() || target.front() != '/') {
        request.error = "bad request target";
        return request;
    }
    const size_t question = target.find('?');
    request.path = percentDecode(target.substr(0, question), false);
    if (question != std::string_view::npos) request.query = target.substr(question + 1);
    parseQuery(request);

    const std::string_view path = request.path;
    if (path == "/" || path == "/index.html") {
        request.resource = Resource::HomePage;
        return request;
    }
    for (const Route& route : kRoutes) {
        if (!path.starts_with(route.prefix)) continue;
        std::string_view argument = path.substr(route.prefix.size());
        if (route.argument == Argument::None && !argument.empty() && argument != "/") continue;
        if (route.argument == Argument::AfterSlash) {
            if (!argument.empty() && !argument.starts_with('/')) continue;
            if (!argument.empty()) argument.remove_prefix(1);
        }
        request.resource = route.resource;
        request.argument = std::string(argument);
        switch (route.resource) {
            case Resource::ThreeDay:
            case Resource::Weekly:
                if (!argument.empty()) request.codes = split(argument, u'-');
                break;
            case Resource::OnDemand:
                request.pairs = pairsOf(argument);
                break;
            case Resource::DisasterWarnings:
            case Resource::FireWarnings:
                request.ids = idsOf(argument);
                break;
            case Resource::ReportText:
                request.reportId = std::string(argument);
                if (request.reportId.empty()) request.error = "report identifier missing";
                break;
            case Resource::ReportTitles: {
                const std::string type = request.param("type");
                if (type == "1" || type == "2" || type == "3")
                    request.reportType = type[0] - '0';
                else
                    request.error = "report type must be 1, 2 or 3";
                break;
            }
            default:
                break;
        }
        return request;
    }
    return request;
}

}  // namespace service
