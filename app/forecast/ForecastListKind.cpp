#include "app/forecast/ForecastListKind.h"

namespace app {
namespace {

constexpr std::u16string_view kSampleStamp = u"2009-07-06 15:31:51|二";

const ForecastListKind kThreeDay{
    ForecastList::ThreeDay,
    u"泰沃天气",
    u"/spservers/kuvaro_weathers/",
    u"请更新查看",
    u"加载天气图标失败",
    true,
    2,
    340,
    u"幼圆",
    kSampleStamp,
    {u"ci_1*08/18*1*1*28*32*1*2&***1500", u"ci_1*08/19*1*0*28*34*0*0&**",
     u"ci_1*08/20*3*3*27*33*0*0&**", u"", u"", u"", u""},
};

const ForecastListKind kWeekly{
    ForecastList::Weekly,
    u"天气周报",
    u"/spservers/kuvaro_week_weathers/",
    u"请更新查看",
    u"加载天气图标失败",
    true,
    6,
    480,
    u"Arial",
    kSampleStamp,
    {u"ci_1*08/19*0*0*27*33*0*0&***-", u"ci_1*08/20*0*0*27*33*0*0&**",
     u"ci_1*08/21*1*0*27*33*0**0&**", u"ci_1*08/22*1*3*28*33*0**0&**",
     u"ci_1*08/23*1*3*27*32*0*0&**", u"ci_1*08/24*1*3*27*32*0*0&**", u"ci_1*08/25******&**"},
};

// The on-demand detail follows the three-day detail.
const ForecastListKind kDemand{
    ForecastList::Demand,
    u"天气点播",
    u"/spservers/kuvaro_dbweathers/",
    u"更新数据",
    u"加载选框天气图标失败",
    false,
    2,
    340,
    u"幼圆",
    kSampleStamp,
    kThreeDay.sampleDays,
};

}  // namespace

const ForecastListKind& ForecastListKind::threeDay() {
    return kThreeDay;
}
const ForecastListKind& ForecastListKind::weekly() {
    return kWeekly;
}
const ForecastListKind& ForecastListKind::demand() {
    return kDemand;
}

const ForecastListKind& ForecastListKind::of(ForecastList list) {
    switch (list) {
        case ForecastList::Weekly:
            return kWeekly;
        case ForecastList::Demand:
            return kDemand;
        case ForecastList::ThreeDay:
            break;
    }
    return kThreeDay;
}

}  // namespace app
