#include "service/ForecastService.h"

#include "weather/ReplySyntax.h"

namespace service {

namespace {

Reply text(int status, std::string body) {
    Reply reply;
    reply.status = status;
    reply.body = std::move(body);
    return reply;
}

Reply html(int status, std::string body) {
    Reply reply;
    reply.status = status;
    reply.contentType = "text/html; charset=utf-8";
    reply.body = std::move(body);
    return reply;
}

// The replies of a service that has nothing new: the update stamp and an empty
// list (an empty group of warnings, no report, no danger row).
std::string nothingNew(const LocalTime& now) {
    return formatStamp(now) + static_cast<char>(weather::kSectionSeparator);
}

}  // namespace

void ForecastService::goLive(LiveOptions options) {
    live_ = std::make_unique<LiveForecasts>(cities_, tokens_, std::move(options));
}

ForecastService::ForecastService(CityTable cities)
    : cities_(std::move(cities)),
      forecasts_(cities_, tokens_),
      disasters_(WarningFeed::Kind::Disaster, cities_),
      fires_(WarningFeed::Kind::Fire, cities_),
      reports_(cities_),
      danger_(cities_),
      pages_(disasters_, fires_) {}

Reply ForecastService::answer(const ServiceRequest& request, const LocalTime& now) {
    // Refusals use the service's own "no data" reply so that a client shows its
    // usual failure text.
    if (!request.error.empty()) return text(400, "0");
    switch (request.resource) {
        case Resource::HomePage:
            return html(200, pages_.home());
        case Resource::PastWarnings: {
            if (auto page = pages_.pastWarnings(request.param("id"), now, !live_))
                return html(200, std::move(*page));
            return html(404, "<html><body>404 页面不存在</body></html>\n");
        }
        case Resource::Unknown:
        case Resource::Admin:
            return text(404, "0");
        default:
            break;
    }
    // Every service path carries the protocol version; an old client is told so.
    if (request.param("version") != kVersion) return text(200, "-1");
    if (live_) return answerLive(request, now);
    switch (request.resource) {
        case Resource::ThreeDay:
            return text(200, forecasts_.threeDay(request.codes, now));
        case Resource::Weekly:
            return text(200, forecasts_.weekly(request.codes, now));
        case Resource::OnDemand:
            return text(200, forecasts_.onDemand(request.pairs, now));
        case Resource::ReportTitles:
            return text(200, reports_.titleReply(request.reportType, now));
        case Resource::ReportText:
            return text(200, reports_.textReply(request.reportId, now));
        case Resource::DangerReport:
            return text(200, danger_.reply(now));
        case Resource::DisasterWarnings:
            return text(200, disasters_.reply(request.ids, now));
        case Resource::FireWarnings:
            return text(200, fires_.reply(request.ids, now));
        default:
            return text(404, "0");
    }
}

}  // namespace service

namespace service {

Reply ForecastService::answerLive(const ServiceRequest& request, const LocalTime& now) {
    switch (request.resource) {
        case Resource::ThreeDay:
            return text(200, live_->threeDay(request.codes, now));
        case Resource::Weekly:
            return text(200, live_->weekly(request.codes, now));
        case Resource::OnDemand:
            return text(200, live_->onDemand(request.pairs, now));
        case Resource::ReportText:
            return text(200, formatStamp(now));
        case Resource::ReportTitles:
        case Resource::DangerReport:
        case Resource::DisasterWarnings:
        case Resource::FireWarnings:
            return text(200, nothingNew(now));
        default:
            return text(404, "0");
    }
}

}  // namespace service
