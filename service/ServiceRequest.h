#pragma once

#include <map>
#include <string>
#include <vector>

#include "service/ForecastReplies.h"

namespace service {

enum class Resource {
    ThreeDay,
    Weekly,
    OnDemand,
    ReportTitles,
    ReportText,
    DangerReport,
    DisasterWarnings,
    FireWarnings,
    PastWarnings,
    HomePage,
    Admin,
    Unknown,
};

// A request target taken apart: which resource, and the codes, pairs or
// identifiers that follow the resource name in the path.
struct ServiceRequest {
    Resource resource = Resource::Unknown;
    std::string path;   // percent-decoded
    std::string query;  // as received
    std::map<std::string, std::string> params;
    std::string argument;             // the path after the resource name
    std::vector<std::string> codes;   // three-day and weekly
    std::vector<OnDemandPair> pairs;  // on-demand
    std::vector<std::string> ids;     // the warnings the client already holds
    std::string reportId;
    int reportType = 0;  // 1 monthly, 2 ten-day, 3 quarterly; 0 when missing or wrong
    std::string error;   // why the request is refused; empty when it is fine

    std::string param(const std::string& name) const {
        const auto it = params.find(name);
        return it == params.end() ? std::string() : it->second;
    }
};

}  // namespace service
