#include "service/LiveForecasts.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include "service/OpenMeteoQuery.h"
#include "service/OpenMeteoReply.h"
#include "service/WeatherGenerator.h"
#include "service/WeatherMapping.h"
#include "weather/ReplySyntax.h"

namespace service {

namespace {

constexpr char kSection = static_cast<char>(weather::kSectionSeparator);
constexpr char kBlockEnd = static_cast<char>(weather::kBlockTerminator);
constexpr char kSlot = static_cast<char>(weather::kSlotSeparator);
constexpr const char* kNoData = "0";

std::string positionKey(const GeoPosition& p) {
    char key[48];
    std::snprintf(key, sizeof key, "%.4f,%.4f", p.latitude, p.longitude);
    return key;
}

// The stamp of a reply: when its oldest answered data was fetched.
class OldestFetch {
public:
    void note(const LocalTime& time, long long second) {
        if (time_ && second >= second_) return;
        time_ = time;
        second_ = second;
    }
    bool any() const { return time_.has_value(); }
    std::string stamp(const LocalTime& now) const { return formatStamp(time_.value_or(now)); }

private:
    std::optional<LocalTime> time_;
    long long second_ = 0;
};

}  // namespace

LiveForecasts::LiveForecasts(const CityTable& cities, TokenMemory& tokens, LiveOptions options)
    : cities_(cities),
      tokens_(tokens),
      options_(std::move(options)),
      upstream_(options_.upstream, options_.timeouts) {
    if (options_.batchSize == 0) options_.batchSize = 1;
}

void LiveForecasts::report(const std::string& line) const {
    if (options_.report)
        options_.report(line);
    else
        std::fprintf(stderr, "tevalo-service: upstream %s: %s\n", upstream_.baseUrl().c_str(),
                     line.c_str());
}

bool LiveForecasts::needsFetch(const Cached& cached, long long second) const {
    const long long period = 60LL * options_.cacheMinutes;
    if (cached.failedAtSecond &&
        second - *cached.failedAtSecond < std::min<long long>(period, kRetryAfterSeconds))
        return false;
    return cached.days.empty() || second - cached.fetchedAtSecond >= period;
}

std::map<std::string, LiveForecasts::Cached> LiveForecasts::forecastsOf(
    const std::vector<std::string>& codes, const LocalTime& now) {
    const long long second = secondsSinceEpoch(now);
    std::unique_lock lock(mutex_);
    std::vector<const City*> mine;
    std::set<std::string> wanted;
    for (const std::string& code : codes) {
        const City* city = cities_.find(code);
        if (!city || !city->position || !wanted.insert(code).second) continue;
        if (inFlight_.contains(code) || !needsFetch(cache_[code], second)) continue;
        inFlight_.insert(code);
        mine.push_back(city);
    }
    if (!mine.empty()) {
        lock.unlock();
        std::vector<FetchResult> results;
        try {
            results = fetch(mine);
        } catch (const std::exception& error) {
            // Whatever went wrong, the places must leave the in-flight set, or
            // every client waiting for them would wait for ever.
            report(std::string("fetch failed: ") + error.what());
            results.clear();
            for (const City* city : mine) results.push_back({city->code, {}});
        }
        lock.lock();
        for (const FetchResult& result : results) {
            Cached& cached = cache_[result.code];
            if (result.days.empty()) {
                cached.failedAtSecond = second;
            } else {
                cached.days = result.days;
                cached.fetchedAt = now;
                cached.fetchedAtSecond = second;
                cached.failedAtSecond.reset();
            }
            inFlight_.erase(result.code);
        }
        fetched_.notify_all();
    }
    // Places another client is fetching are answered with what that fetch brings.
    fetched_.wait(lock, [&] {
        return std::none_of(wanted.begin(), wanted.end(),
                            [&](const std::string& code) { return inFlight_.contains(code); });
    });
    std::map<std::string, Cached> out;
    for (const std::string& code : wanted)
        if (const auto it = cache_.find(code); it != cache_.end() && !it->second.days.empty())
            out.emplace(code, it->second);
    return out;
}

std::vector<LiveForecasts::FetchResult> LiveForecasts::fetch(
    const std::vector<const City*>& places) {
    std::vector<FetchResult> results;
    for (size_t start = 0; start < places.size(); start += options_.batchSize) {
        const size_t end = std::min(places.size(), start + options_.batchSize);
        auto batch = fetchBatch(std::vector<const City*>(places.begin() + static_cast<long>(start),
                                                         places.begin() + static_cast<long>(end)));
        std::move(batch.begin(), batch.end(), std::back_inserter(results));
    }
    return results;
}

std::vector<LiveForecasts::FetchResult> LiveForecasts::fetchBatch(
    const std::vector<const City*>& places) {
    // Places that share a position (a county placed at its prefecture) are
    // asked for once.
    std::vector<GeoPosition> positions;
    std::map<std::string, size_t> indexOf;
    std::vector<size_t> placeIndex;
    for (const City* city : places) {
        const auto [it, added] = indexOf.emplace(positionKey(*city->position), positions.size());
        if (added) positions.push_back(*city->position);
        placeIndex.push_back(it->second);
    }

    std::vector<FetchResult> results;
    for (const City* city : places) results.push_back({city->code, {}});
    const UpstreamResult reply = upstream_.get(openMeteoTarget(positions));
    if (!reply.ok()) {
        report(reply.describe());
        return results;
    }
    const OpenMeteoReply parsed = parseOpenMeteoReply(reply.body, positions.size());
    if (!parsed.ok()) {
        report(parsed.error);
        return results;
    }
    for (size_t i = 0; i < places.size(); ++i) {
        // A day the upstream left incomplete ends the place's forecast there.
        for (const UpstreamDay& day : parsed.places[placeIndex[i]].days) {
            const auto weather = dayWeatherOf(day);
            const auto date = parseIsoTime(day.date);
            if (!weather || !date) break;
            results[i].days.push_back({dayNumber(*date), *weather});
        }
        if (results[i].days.empty())
            report("no usable day for " + places[i]->code + " (" + places[i]->name + ")");
    }
    return results;
}

std::string LiveForecasts::block(const Cached& cached, const std::string& tag, int days,
                                 const LocalTime& now) {
    const long long today = dayNumber(now);
    std::string out;
    int written = 0;
    for (const LiveDay& day : cached.days) {
        if (day.dayNumber < today || written == days) continue;
        if (written > 0) out += kSlot;
        out += WeatherGenerator::dayRecord(day.weather, tag, written == 0);
        ++written;
    }
    return out;
}

std::string LiveForecasts::forDays(const std::vector<std::string>& codes, int days,
                                   const LocalTime& now) {
    const auto forecasts = forecastsOf(codes, now);
    std::string blocks;
    OldestFetch oldest;
    for (size_t i = 0; i < codes.size(); ++i) {
        if (const auto it = forecasts.find(codes[i]); it != forecasts.end()) {
            const std::string text = block(it->second, "ci_" + std::to_string(i + 1), days, now);
            if (!text.empty()) oldest.note(it->second.fetchedAt, it->second.fetchedAtSecond);
            blocks += text;
        }
        blocks += kBlockEnd;
    }
    if (!oldest.any() && !codes.empty()) return kNoData;
    return oldest.stamp(now) + kSection + blocks;
}

std::string LiveForecasts::threeDay(const std::vector<std::string>& codes, const LocalTime& now) {
    return forDays(codes, 3, now);
}

std::string LiveForecasts::weekly(const std::vector<std::string>& codes, const LocalTime& now) {
    return forDays(codes, 7, now);
}

std::string LiveForecasts::onDemand(const std::vector<OnDemandPair>& pairs, const LocalTime& now) {
    std::vector<std::string> codes;
    for (const OnDemandPair& pair : pairs)
        if (pair.wellFormed) codes.push_back(pair.code);
    const auto forecasts = forecastsOf(codes, now);
    std::string blocks;
    OldestFetch oldest;
    bool answeredAny = pairs.empty();
    for (const OnDemandPair& pair : pairs) {
        const auto it = pair.wellFormed ? forecasts.find(pair.code) : forecasts.end();
        std::string text =
            it == forecasts.end() ? std::string() : block(it->second, pair.code, 3, now);
        if (!pair.wellFormed) {
            blocks += "-2";
            answeredAny = true;
        } else if (!text.empty()) {
            // Only a forecast uses the token up: a place without data may be retried.
            answeredAny = true;
            if (tokens_.claim(pair.token)) {
                blocks += text;
                oldest.note(it->second.fetchedAt, it->second.fetchedAtSecond);
            } else {
                blocks += "-2";
            }
        }
        blocks += kBlockEnd;
    }
    if (!answeredAny) return kNoData;
    return oldest.stamp(now) + kSection + blocks;
}

}  // namespace service
