#include "service/IndexTexts.h"

namespace service {

namespace {

const char* comfortText(const DayWeather& d) {
    if (d.high >= 35) return "炎热，注意防暑降温";
    if (d.high >= 30) return "较热，午后减少外出";
    if (d.high >= 22 && d.low >= 14)
        return isWetKind(d.kindFirst) ? "较舒适，略感潮湿" : "舒适，感觉良好";
    if (d.high >= 14) return "较舒适，早晚偏凉";
    if (d.high >= 4) return "偏冷，注意添衣";
    return "寒冷，注意防寒保暖";
}

const char* dressingText(const DayWeather& d) {
    const int mean = (d.low + d.high) / 2;
    if (mean >= 27) return "短袖短裤等夏季服装";
    if (mean >= 21) return "衬衫、薄长裤等";
    if (mean >= 14) return "薄外套、长袖衬衫";
    if (mean >= 7) return "夹克、毛衣等春秋装";
    if (mean >= -3) return "棉衣、厚外套";
    return "羽绒服、帽子和手套";
}

const char* exerciseText(const DayWeather& d) {
    if (isWetKind(d.kindFirst)) return "有降水，不宜晨练";
    if (d.kindFirst == 18 || d.kindFirst == 20 || d.kindFirst >= 29) return "空气较差，不宜晨练";
    if (d.windForce >= 3) return "风力较大，较不宜晨练";
    if (d.low <= -10) return "气温过低，不宜晨练";
    return d.windForce == 0 ? "天气不错，适宜晨练" : "较适宜晨练";
}

}  // namespace

bool isWetKind(int kind) {
    return (kind >= 3 && kind <= 17) || kind == 19 || (kind >= 21 && kind <= 28);
}

void wordIndexTexts(DayWeather& day) {
    day.comfort = comfortText(day);
    day.dressing = dressingText(day);
    day.exercise = exerciseText(day);
}

}  // namespace service
