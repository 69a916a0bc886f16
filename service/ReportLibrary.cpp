#include "service/ReportLibrary.h"

#include <array>
#include <cstdio>

#include "service/Random.h"
#include "weather/ReplySyntax.h"

namespace service {

namespace {

constexpr char kSection = static_cast<char>(weather::kSectionSeparator);
constexpr char kItemEnd = static_cast<char>(weather::kBlockTerminator);
constexpr char kField = static_cast<char>(weather::kFieldSeparator);

// Periods count from January 2000: months, ten-day thirds of months, quarters.
long long monthIndex(const LocalTime& t) {
    return (t.year - 2000) * 12LL + (t.month - 1);
}

int tenDayOf(int day) {
    return day <= 10 ? 0 : (day <= 20 ? 1 : 2);
}

constexpr std::array kRegions{"四川盆地", "华北平原",     "长江中下游", "华南",
                              "东北地区", "西北地区东部", "青藏高原",   "江南"};
constexpr std::array kTrends{"偏高", "接近常年同期", "偏低"};
constexpr std::array kRainTrends{"偏多", "接近常年同期", "偏少"};

std::string paragraphAbout(Random& random, const char* periodWord) {
    std::string p;
    const std::string region = kRegions[random.next() % kRegions.size()];
    const std::string other = kRegions[random.next() % kRegions.size()];
    p += std::string("预计") + periodWord + "内，" + region + "平均气温较常年同期" +
         kTrends[random.next() % kTrends.size()] + "，降水量" +
         kRainTrends[random.next() % kRainTrends.size()] + "；" + other + "气温" +
         kTrends[random.next() % kTrends.size()] + "，将有" + std::to_string(random.between(1, 3)) +
         "次明显降水过程。";
    return p;
}

}  // namespace

ReportLibrary::ReportLibrary(const CityTable& cities) : cities_(cities) {}

long long ReportLibrary::currentPeriod(int type, const LocalTime& now) const {
    switch (type) {
        case 1:
            return monthIndex(now);
        case 2:
            return monthIndex(now) * 3 + tenDayOf(now.day);
        default:
            return monthIndex(now) / 3;
    }
}

Report ReportLibrary::make(int type, long long period) const {
    char id[16];
    std::snprintf(id, sizeof id, "%d%05lld", type, period % 100000);
    char title[128];
    const char* periodWord = "";
    if (type == 1) {
        const long long m = period;
        std::snprintf(title, sizeof title, "%04lld年%02lld月天气月报", 2000 + m / 12, m % 12 + 1);
        periodWord = "本月";
    } else if (type == 2) {
        const long long m = period / 3;
        static constexpr std::array kDays{"01日至10日", "11日至20日", "21日至月底"};
        std::snprintf(title, sizeof title, "%04lld年%02lld月%s天气旬报", 2000 + m / 12, m % 12 + 1,
                      kDays[period % 3]);
        periodWord = "本旬";
    } else {
        std::snprintf(title, sizeof title, "%04lld年第%lld季度天气季报", 2000 + period / 4,
                      period % 4 + 1);
        periodWord = "本季度";
    }

    Random random(Random::seedOf(id, period));
    Report report;
    report.id = id;
    report.title = title;
    report.text = std::string("一、天气概况\n") + "前期全国大部地区气温" +
                  kTrends[random.next() % kTrends.size()] + "，降水" +
                  kRainTrends[random.next() % kRainTrends.size()] + "，" +
                  kRegions[random.next() % kRegions.size()] +
                  "出现了一次较强降水过程，对交通和农业生产造成一定影响。\n二、趋势预测\n";
    const int paragraphs = random.between(2, 3);
    for (int i = 0; i < paragraphs; ++i) report.text += paragraphAbout(random, periodWord) + "\n";
    const City* town = cities_.town(random.next());
    const std::string place = town ? town->name : "各地";
    report.text += "三、关注与建议\n" + place +
                   "等地请注意防范强降水和大风降温天气可能引发的灾害，合理安排农业生产，"
                   "做好交通运输和城市运行保障工作。";
    return report;
}

std::vector<Report> ReportLibrary::list(int type, const LocalTime& now) const {
    std::vector<Report> out;
    if (type < 1 || type > 3) return out;
    const long long current = currentPeriod(type, now);
    for (long long p = current; p > current - kListed && p >= 0; --p) out.push_back(make(type, p));
    return out;
}

std::optional<Report> ReportLibrary::find(const std::string& id, const LocalTime& now) const {
    if (id.size() != 6) return std::nullopt;
    for (const char c : id)
        if (c < '0' || c > '9') return std::nullopt;
    const int type = id[0] - '0';
    if (type < 1 || type > 3) return std::nullopt;
    const long long period = std::stoll(id.substr(1));
    if (period > currentPeriod(type, now)) return std::nullopt;
    return make(type, period);
}

std::string ReportLibrary::titleReply(int type, const LocalTime& now) const {
    std::string reply = formatStamp(now) + kSection;
    const std::vector<Report> reports = list(type, now);
    for (size_t i = 0; i < reports.size(); ++i) {
        if (i > 0) reply += kItemEnd;
        reply += reports[i].id + kField + reports[i].title + kField;
    }
    return reply;
}

std::string ReportLibrary::textReply(const std::string& id, const LocalTime& now) const {
    std::string reply = formatStamp(now);
    if (const auto report = find(id, now))
        reply += kSection + report->id + kField + report->title + kField + report->text;
    return reply;
}

}  // namespace service
