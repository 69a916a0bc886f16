#pragma once

// The forecast replies of the live source: the three-day, weekly and on-demand
// replies in the stand-in's formats, made from the upstream's forecasts of the
// places' positions. Each place is asked for at most once per cache period; the
// places of one reply that need asking go in batched upstream requests, and a
// client asking for a place that is already being fetched waits for that fetch
// instead of sending its own. When the upstream fails, places still in the
// cache are answered from it (the reply's stamp is when that data was
// fetched), the others get an empty block, and a reply that can answer no
// place at all is the service's "no data" reply, "0". Nothing is made up.
// Thread-safe; shares the read-only place table and the token memory.

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "service/CityTable.h"
#include "service/DayWeather.h"
#include "service/ForecastReplies.h"
#include "service/LocalTime.h"
#include "service/TokenMemory.h"
#include "service/UpstreamClient.h"

namespace service {

struct LiveOptions {
    std::string upstream = "https://api.open-meteo.com";
    int cacheMinutes = 30;  // 0: every reply asks the upstream again
    UpstreamTimeouts timeouts;
    size_t batchSize = 50;  // places per upstream request
    // Receives one line per upstream failure; stderr when empty.
    std::function<void(const std::string&)> report;
};

class LiveForecasts final {
public:
    // After a failed upstream request, the places it asked for are not asked
    // for again for this long (or the cache period, when that is shorter).
    static constexpr int kRetryAfterSeconds = 60;

    LiveForecasts(const CityTable& cities, TokenMemory& tokens, LiveOptions options);
    LiveForecasts(const LiveForecasts&) = delete;
    LiveForecasts& operator=(const LiveForecasts&) = delete;

    std::string threeDay(const std::vector<std::string>& codes, const LocalTime& now);
    std::string weekly(const std::vector<std::string>& codes, const LocalTime& now);
    // Tokens follow the stand-in's rules; a token is used up only by a forecast.
    std::string onDemand(const std::vector<OnDemandPair>& pairs, const LocalTime& now);

    long long upstreamRequests() const { return upstream_.requestsSent(); }
    const std::string& upstream() const { return upstream_.baseUrl(); }

private:
    struct LiveDay {
        long long dayNumber = 0;
        DayWeather weather;
    };
    struct Cached {
        std::vector<LiveDay> days;  // empty while nothing was fetched
        LocalTime fetchedAt;
        long long fetchedAtSecond = 0;
        std::optional<long long> failedAtSecond;
    };
    struct FetchResult {
        std::string code;
        std::vector<LiveDay> days;  // empty: the fetch failed for this place
    };

    // The cached forecasts of `codes` after fetching the ones that need it.
    std::map<std::string, Cached> forecastsOf(const std::vector<std::string>& codes,
                                              const LocalTime& now);
    std::vector<FetchResult> fetch(const std::vector<const City*>& places);
    std::vector<FetchResult> fetchBatch(const std::vector<const City*>& places);
    bool needsFetch(const Cached& cached, long long second) const;
    void report(const std::string& line) const;

    std::string forDays(const std::vector<std::string>& codes, int days, const LocalTime& now);
    // The slots of up to `days` days from today on; empty when none is left.
    static std::string block(const Cached& cached, const std::string& tag, int days,
                             const LocalTime& now);

    const CityTable& cities_;
    TokenMemory& tokens_;
    LiveOptions options_;
    UpstreamClient upstream_;

    std::mutex mutex_;
    std::condition_variable fetched_;
    std::map<std::string, Cached> cache_;
    std::set<std::string> inFlight_;
};

}  // namespace service
