#pragma once

// The service's answers: turns a parsed request into a reply at a given moment.
// Owns the token memory, the two warning feeds and the reports; shares the
// read-only place table. Thread-safe.

#include <string>

#include "service/CityTable.h"
#include "service/DangerReport.h"
#include "service/ForecastReplies.h"
#include "service/LocalTime.h"
#include "service/Reply.h"
#include "service/ReportLibrary.h"
#include "service/ServiceRequest.h"
#include "service/TokenMemory.h"
#include "service/WarningFeed.h"
#include "service/WebPages.h"

namespace service {

class ForecastService final {
public:
    static constexpr const char* kVersion = "symbian2.0";

    explicit ForecastService(CityTable cities);
    ForecastService(const ForecastService&) = delete;
    ForecastService& operator=(const ForecastService&) = delete;

    Reply answer(const ServiceRequest& request, const LocalTime& now);

    const CityTable& cities() const { return cities_; }
    TokenMemory& tokens() { return tokens_; }
    const ForecastReplies& forecasts() const { return forecasts_; }
    const WarningFeed& disasters() const { return disasters_; }
    const WarningFeed& fires() const { return fires_; }
    const ReportLibrary& reports() const { return reports_; }
    const DangerReport& danger() const { return danger_; }
    const WebPages& pages() const { return pages_; }

private:
    CityTable cities_;
    TokenMemory tokens_;
    ForecastReplies forecasts_;
    WarningFeed disasters_;
    WarningFeed fires_;
    ReportLibrary reports_;
    DangerReport danger_;
    WebPages pages_;
};

}  // namespace service
