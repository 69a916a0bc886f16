#include "weather/CodeTables.h"

#include <array>

#include "platform/text/Utf.h"

namespace weather {
namespace {

struct Entry {
    std::u16string_view text;
    std::u16string_view picture;
};

constexpr std::array<Entry, 32> kWeatherKinds{{
    {u"晴", u"Qing(BT).png"},
    {u"多云", u"DuoYuen(BT).png"},
    {u"阴", u"Yin(BT).png"},
    {u"阵雨", u"ZengYu(BT).png"},
    {u"雷阵雨", u"LeiZengYu.png"},
    {u"雷阵雨并伴有冰雹", u"LeiZengYuBanBing.png"},
    {u"雨夹雪", u"YuJiaXue.png"},
    {u"小雨", u"XiaoYu.png"},
    {u"中雨", u"ZhongYu.png"},
    {u"大雨", u"DaYu.png"},
    {u"暴雨", u"BaoYu.png"},
    {u"大暴雨", u"DaBaoYu.png"},
    {u"特大暴雨", u"TeDaBaoYu.png"},
    {u"阵雪", u"ZengXue(BT).png"},
    {u"小雪", u"XiaoXue.png"},
    {u"中雪", u"ZhongXue.png"},
    {u"大雪", u"DaXue.png"},
    {u"暴雪", u"BaoXue.png"},
    {u"雾", u"Wu.png"},
    {u"冻雨", u"DongYu.png"},
    {u"沙尘暴", u"ShaChengBao.png"},
    {u"小雨到中雨", u"XiaoYuDaoZhongYu.png"},
    {u"中雨到大雨", u"ZhongYuDaoDaYu.png"},
    {u"大雨到暴雨", u"DaYuDaoBaoYu.png"},
    {u"暴雨到大暴雨", u"BaoYuDaoDaBaoYu.png"},
    {u"", u""},  // 25 is not used by the service
    {u"小雪到中雪", u"XiaoXueDaoZhongXue.png"},
    {u"中雪到大雪", u"ZhongXueDaoDaXue.png"},
    {u"大雪到暴雪", u"DaXueDaoBaoXue.png"},
    {u"浮尘", u"FuCheng.png"},
    {u"扬沙", u"YangSha.png"},
    {u"强沙尘暴", u"QiangShaChengBao.png"},
}};

constexpr std::array<Entry, 10> kWindDirections{{
    {u"无风向", u"WuFengXiang.png"},
    {u"东北风", u"DongBeiFeng.png"},
    {u"东风", u"DongFeng.png"},
    {u"东南风", u"DongNanFeng.png"},
    {u"南风", u"NanFeng.png"},
    {u"西南风", u"XiNanFeng.png"},
    {u"西风", u"XiFeng.png"},
    {u"西北风", u"XiBeiFeng.png"},
    {u"北风", u"BeiFeng.png"},
    {u"旋转风", u"XuanZhuanFeng.png"},
}};

constexpr std::array<std::u16string_view, 10> kWindForces{
    u"微风",     u"三到四级", u"四到五级", u"五到六级",   u"六到七级",
    u"七到八级", u"八到九级", u"九到十级", u"十到十一级", u"十一到十二级",
};

constexpr std::array<std::u16string_view, 7> kWeekdays{u"一", u"二", u"三", u"四",
                                                       u"五", u"六", u"日"};

template <typename Table>
auto lookup(const Table& table, int code) -> typename Table::value_type {
    if (code < 0 || static_cast<size_t>(code) >= table.size()) return {};
    return table[static_cast<size_t>(code)];
}

}  // namespace

std::u16string_view weatherKindText(int code) {
    return lookup(kWeatherKinds, code).text;
}
std::u16string_view weatherKindPicture(int code) {
    return lookup(kWeatherKinds, code).picture;
}
std::u16string_view windDirectionText(int code) {
    return lookup(kWindDirections, code).text;
}
std::u16string_view windDirectionPicture(int code) {
    return lookup(kWindDirections, code).picture;
}
std::u16string_view windForceText(int code) {
    return lookup(kWindForces, code);
}

std::u16string weekdayText(int index) {
    const std::u16string_view day = lookup(kWeekdays, index);
    return day.empty() ? std::u16string() : u" 星期" + std::u16string(day);
}

std::u16string weatherPhrase(std::u16string_view field) {
    const size_t dash = field.find(u'-');
    if (dash == std::u16string_view::npos) {
        return std::u16string(weatherKindText(platform::toInt(field)));
    }
    std::u16string phrase(weatherKindText(platform::toInt(field.substr(0, dash))));
    phrase += u"转";
    phrase += weatherKindText(platform::toInt(field.substr(dash + 1)));
    return phrase;
}

}  // namespace weather
