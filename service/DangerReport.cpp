#include "service/DangerReport.h"

#include <array>
#include <cstdio>

#include "service/Random.h"
#include "weather/ReplySyntax.h"

namespace service {

namespace {

constexpr char kSection = static_cast<char>(weather::kSectionSeparator);
constexpr char kRowEnd = static_cast<char>(weather::kBlockTerminator);
constexpr char kCell = static_cast<char>(weather::kFieldSeparator);

constexpr std::array kWarmDetails{"暴雨蓝色", "暴雨黄色", "暴雨橙色", "雷电黄色",
                                  "冰雹橙色", "高温黄色", "大风蓝色", "山洪黄色"};
constexpr std::array kColdDetails{"寒潮蓝色", "大雾黄色", "大雾橙色", "道路结冰",
                                  "大风蓝色", "霜冻蓝色", "暴雪黄色", "低温黄色"};

constexpr const char* kSichuanPrefix = "51";

}  // namespace

DangerReport::DangerReport(const CityTable& cities) {
    for (const City* city : cities.inProvince(kSichuanPrefix)) places_.push_back(city->name);
    if (places_.empty()) places_ = {"成都", "绵阳", "乐山", "宜宾", "南充"};
}

std::vector<DangerRow> DangerReport::rows(const LocalTime& now) const {
    Random random(Random::seedOf("danger", dayNumber(now)));
    std::vector<DangerRow> out;
    if (random.chance(10)) return out;  // a quiet day
    const int count = random.between(3, 8);
    for (int i = 0; i < count; ++i) {
        DangerRow row;
        row.place = places_[random.next() % places_.size()];
        char time[48];
        std::snprintf(time, sizeof time, "%02d月%02d日%02d时%02d分", now.month, now.day,
                      random.between(0, now.hour), random.between(0, 5) * 10);
        row.time = time;
        const bool warm = now.month >= 4 && now.month <= 9;
        row.details = warm ? kWarmDetails[random.next() % kWarmDetails.size()]
                           : kColdDetails[random.next() % kColdDetails.size()];
        out.push_back(std::move(row));
    }
    return out;
}

std::string DangerReport::reply(const LocalTime& now) const {
    std::string reply = formatStamp(now) + kSection;
    for (const DangerRow& row : rows(now))
        reply += row.place + kCell + row.time + kCell + row.details + kRowEnd;
    return reply;
}

}  // namespace service
