#include "service/WarningFeed.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <unordered_set>

#include "service/Random.h"
#include "weather/ReplySyntax.h"

namespace service {

namespace {

constexpr char kSection = static_cast<char>(weather::kSectionSeparator);
constexpr char kItemEnd = static_cast<char>(weather::kBlockTerminator);
constexpr char kItemField = static_cast<char>(weather::kSlotSeparator);

struct Hazard {
    const char* name;
    const char* outlook;  // "%s" is the place
    const char* advice;
};

constexpr std::array kWinterHazards{
    Hazard{"寒潮",
           "受强冷空气影响，预计未来48小时内%s及周边地区气温将下降8到10℃，并伴有4到5级偏北风。",
           "请注意添衣保暖，做好农作物、牲畜和设施的防冻工作，老人和儿童减少外出。"},
    Hazard{"大雾", "预计未来12小时内%s部分地区将出现能见度小于200米的浓雾。",
           "驾驶人员请减速慢行、保持车距，机场、高速公路和轮渡码头请做好交通安全管理。"},
    Hazard{"道路结冰", "受雨雪天气影响，%s及周边地区路面已出现结冰，预计结冰将持续到明天上午。",
           "请车辆减速慢行，行人注意防滑，交通管理部门请采取防滑措施。"},
    Hazard{"暴雪", "预计未来12小时内%s将出现暴雪天气，降雪量可达6毫米以上。",
           "请做好道路清扫和积雪融化工作，加固棚架等易被雪压的临时搭建物。"},
};

constexpr std::array kSummerHazards{
    Hazard{
        "暴雨",
        "预计未来12小时内%"
        "s及周边地区将出现暴雨天气，局地雨量可达50毫米以上，并伴有雷电和短时大风。",
        "请有关单位和人员做好防暴雨准备，注意防范山洪、滑坡、泥石流等地质灾害，驾车注意路面积水。"},
    Hazard{"高温", "预计未来三天%s最高气温将达到37℃以上。",
           "请注意防暑降温，避免午后高温时段户外作业，老弱病幼人群减少外出。"},
    Hazard{"雷电", "预计未来6小时内%s将发生雷电活动，并可能伴有短时强降水和雷雨大风。",
           "请尽量避免户外活动，远离孤立的大树、高塔和电线杆，切断危险电源。"},
    Hazard{"冰雹", "预计未来6小时内%s部分地区可能出现冰雹天气，并伴有雷电和短时大风。",
           "请注意防范冰雹对农作物和车辆的影响，人员切勿随意外出。"},
};

constexpr std::array kOtherHazards{
    Hazard{"大风", "受冷空气影响，预计未来24小时内%s将出现6级以上偏北大风，阵风可达8级。",
           "请关好门窗，加固围板、棚架、广告牌等易被风吹动的搭建物，减少户外活动。"},
    Hazard{"霜冻", "预计未来48小时内%s地面最低温度将降到0℃以下，将出现霜冻。",
           "请对农作物和蔬菜采取覆盖、喷洒防冻液等措施，做好防霜冻工作。"},
    Hazard{"沙尘暴", "预计未来12小时内%s将出现沙尘暴天气，能见度小于1000米。",
           "请关好门窗，外出佩戴口罩和防风眼镜，注意交通安全。"},
    Hazard{"干旱", "%s近期降水明显偏少，气温偏高，土壤缺墒，已达到中度干旱。",
           "请做好抗旱工作，合理安排生产生活用水，注意森林防火。"},
};

constexpr std::array kColours{"蓝色", "黄色", "橙色", "红色"};
constexpr std::array kColourWeights{40, 35, 18, 7};

constexpr std::array kForestLevels{"三级", "四级", "五级"};

struct Reminder {
    const char* title;  // "%s" is the place
    const char* text;
};

constexpr std::array kReminders{
    Reminder{"%s消防提醒：冬季取暖注意用火安全",
             "天气寒冷，取暖用火用电增多。请勿在电暖器上烘烤衣物，使用煤炉取暖要保持通风，"
             "防止一氧化碳中毒；离家和睡觉前请关闭取暖设备。"},
    Reminder{"%s消防提醒：高温天气注意用电安全",
             "持续高温，空调等电器负荷加大。请勿超负荷用电，定期检查电线插座，"
             "不要将车辆长时间停放在烈日下，车内不要放置打火机、香水等易燃物品。"},
    Reminder{"%s消防提醒：清明祭祀请文明用火",
             "祭祀期间请提倡鲜花祭扫、网上祭扫，林区内严禁焚烧纸钱、燃放鞭炮，"
             "发现火情请立即拨打119报警。"},
};

std::string formatted(const char* pattern, const std::string& place) {
    char text[1024];
    std::snprintf(text, sizeof text, pattern, place.c_str());
    return text;
}

// Screens find a warning by its title, so every title names its date.
std::string dateText(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d月%02d日", t.month, t.day);
    return text;
}

std::string issueText(const LocalTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d月%02d日%02d时%02d分", t.month, t.day, t.hour, t.minute);
    return text;
}

}  // namespace

WarningFeed::WarningFeed(Kind kind, const CityTable& cities) : kind_(kind), cities_(cities) {
    // Issued shortly before the home-screen item's 09:12 and 14:12 checks.
    if (kind_ == Kind::Disaster)
        slots_ = {{7, 30}, {13, 30}};
    else
        slots_ = {{8, 0}};
}

Warning WarningFeed::make(const LocalTime& issuedAt, int slot) const {
    // Days since 2000-01-01 keep the IDs at six characters for a century.
    LocalTime origin{2000, 1, 1, 0, 0, 0};
    const long long day = dayNumber(issuedAt) - dayNumber(origin);
    const long long serial =
        ((day * static_cast<long long>(slots_.size()) + slot) % 100000 + 100000) % 100000;
    char id[16];
    std::snprintf(id, sizeof id, "%c%05lld", kind_ == Kind::Disaster ? '1' : '2', serial);

    Random random(Random::seedOf(kind_ == Kind::Disaster ? "disaster" : "fire", serial));
    const City* town = cities_.town(random.next());
    const std::string place = town ? town->name : "本地";
    return kind_ == Kind::Disaster ? makeDisaster(issuedAt, id, random, place)
                                   : makeFire(issuedAt, id, random, place);
}

Warning WarningFeed::makeDisaster(const LocalTime& issuedAt, const std::string& id, Random& random,
                                  const std::string& place) const {
    const int month = issuedAt.month;
    const Hazard* hazard = nullptr;
    if (month >= 11 || month <= 2)
        hazard = &kWinterHazards[random.next() % kWinterHazards.size()];
    else if (month >= 5 && month <= 9)
        hazard = &kSummerHazards[random.next() % kSummerHazards.size()];
    else
        hazard = &kOtherHazards[random.next() % kOtherHazards.size()];
    const std::string colour = kColours[random.pick(kColourWeights)];
    const std::string signal = std::string(hazard->name) + colour + "预警";

    Warning w;
    w.id = id;
    w.issued = issuedAt;
    w.title = place + "气象台" + issueText(issuedAt) + "发布" + signal;
    w.text = place + "气象台" + issueText(issuedAt) + "发布" + signal + "信号：" +
             formatted(hazard->outlook, place) + hazard->advice;
    return w;
}

Warning WarningFeed::makeFire(const LocalTime& issuedAt, const std::string& id, Random& random,
                              const std::string& place) const {
    Warning w;
    w.id = id;
    w.issued = issuedAt;
    const int month = issuedAt.month;
    const bool forestSeason = month <= 5 || month >= 10;
    if (forestSeason && random.chance(65)) {
        const std::string level = kForestLevels[random.next() % kForestLevels.size()];
        w.title = place + dateText(issuedAt) + "发布森林火险" + level + "预警";
        w.text =
            place + "森林防火指挥部" + issueText(issuedAt) + "发布森林火险" + level +
            "预警：近期天气干燥，林区可燃物含水量低，森林火险等级高。" +
            "严禁携带火种进山入林，严禁野外吸烟、烧荒和上坟烧纸，发现火情请立即拨打12119或119。";
    } else {
        const Reminder& reminder =
            month >= 5 && month <= 9 ? kReminders[1] : (month == 4 ? kReminders[2] : kReminders[0]);
        w.title = formatted(reminder.title, place + dateText(issuedAt));
        w.text = w.title + "。" + reminder.text;
    }
    return w;
}

std::vector<Warning> WarningFeed::issued(const LocalTime& now, int days) const {
    std::vector<Warning> out;
    const long long nowSeconds = secondsSinceEpoch(now);
    for (int back = 0; back <= days; ++back) {
        LocalTime date = addDays(now, -back);
        for (int slot = static_cast<int>(slots_.size()) - 1; slot >= 0; --slot) {
            LocalTime at{date.year,         date.month,          date.day,
                         slots_[slot].hour, slots_[slot].minute, 0};
            const long long age = nowSeconds - secondsSinceEpoch(at);
            if (age >= 0 && age < days * 86400LL) out.push_back(make(at, slot));
        }
    }
    return out;
}

std::string WarningFeed::reply(const std::vector<std::string>& knownIds,
                               const LocalTime& now) const {
    const std::unordered_set<std::string> known(knownIds.begin(), knownIds.end());
    const std::vector<Warning> current = issued(now);
    std::string reply = formatStamp(now) + kSection;
    for (size_t i = 0; i < current.size(); ++i) {
        const Warning& w = current[i];
        if (known.contains(w.id)) continue;
        reply += w.id;
        reply += kItemField;
        reply += i == 0 ? "1" : "0";
        reply += kItemField;
        reply += w.title;
        reply += kItemField;
        reply += w.text;
        reply += kItemEnd;
    }
    return reply;
}

}  // namespace service
