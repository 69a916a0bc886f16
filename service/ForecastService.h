#pragma once

// The service's answers: turns a parsed request into a reply at a given moment.
// Owns the token memory, the two warning feeds and the reports; shares the
// read-only place table. Thread-safe. With a live source the forecasts come
// from it, and warnings, reports and the danger report, which have no live
// source, answer that there is nothing new.

#include <memory>
#include <string>

#include "service/CityTable.h"
#include "service/DangerReport.h"
#include "service/ForecastReplies.h"
#include "service/LiveForecasts.h"
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

    // Switches the forecasts to the live source; call before the first request.
    void goLive(LiveOptions options);
    // The live source; nullptr in stand-in mode.
    LiveForecasts* live() { return live_.get(); }

    const CityTable& cities() const { return cities_; }
    TokenMemory& tokens() { return tokens_; }
    const ForecastReplies& forecasts() const { return forecasts_; }
    const WarningFeed& disasters() const { return disasters_; }
    const WarningFeed& fires() const { return fires_; }
    const ReportLibrary& reports() const { return reports_; }
    const DangerReport& danger() const { return danger_; }
    const WebPages& pages() const { return pages_; }

private:
    Reply answerLive(const ServiceRequest& request, const LocalTime& now);

    CityTable cities_;
    TokenMemory tokens_;
    ForecastReplies forecasts_;
    WarningFeed disasters_;
    WarningFeed fires_;
    ReportLibrary reports_;
    DangerReport danger_;
    WebPages pages_;
    std::unique_ptr<LiveForecasts> live_;
};

}  // namespace service
