#include "service/ForecastReplies.h"

#include "service/WeatherGenerator.h"
#include "weather/ReplySyntax.h"

namespace service {

namespace {

constexpr char kSection = static_cast<char>(weather::kSectionSeparator);
constexpr char kBlockEnd = static_cast<char>(weather::kBlockTerminator);
constexpr char kSlot = static_cast<char>(weather::kSlotSeparator);

std::string stampSection(const LocalTime& now) {
    return formatStamp(now) + kSection;
}

}  // namespace

ForecastReplies::ForecastReplies(const CityTable& cities, TokenMemory& tokens)
    : cities_(cities), tokens_(tokens) {}

std::string ForecastReplies::block(const City& city, const std::string& tag, int days,
                                   const LocalTime& now) const {
    std::string out;
    out.reserve(200 + 40 * days);
    for (int i = 0; i < days; ++i) {
        if (i > 0) out += kSlot;
        const DayWeather day = WeatherGenerator::day(city, addDays(now, i));
        out += WeatherGenerator::dayRecord(day, tag, i == 0);
    }
    return out;
}

std::string ForecastReplies::forDays(const std::vector<std::string>& codes, int days,
                                     const LocalTime& now) const {
    std::string reply = stampSection(now);
    reply.reserve(reply.size() + codes.size() * (200 + 40 * days));
    for (size_t i = 0; i < codes.size(); ++i) {
        if (const City* city = cities_.find(codes[i]))
            reply += block(*city, "ci_" + std::to_string(i + 1), days, now);
        reply += kBlockEnd;
    }
    return reply;
}

std::string ForecastReplies::threeDay(const std::vector<std::string>& codes,
                                      const LocalTime& now) const {
    return forDays(codes, 3, now);
}

std::string ForecastReplies::weekly(const std::vector<std::string>& codes,
                                    const LocalTime& now) const {
    return forDays(codes, 7, now);
}

std::string ForecastReplies::onDemand(const std::vector<OnDemandPair>& pairs,
                                      const LocalTime& now) const {
    std::string reply = stampSection(now);
    for (const OnDemandPair& pair : pairs) {
        const City* city = pair.wellFormed ? cities_.find(pair.code) : nullptr;
        if (!pair.wellFormed) {
            reply += "-2";
        } else if (city) {
            // Only a forecast consumes the token: an unknown code may be retried.
            if (tokens_.claim(pair.token))
                reply += block(*city, pair.code, 3, now);
            else
                reply += "-2";
        }
        reply += kBlockEnd;
    }
    return reply;
}

}  // namespace service
