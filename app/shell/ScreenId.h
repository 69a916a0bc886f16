#pragma once

// The screens the main menu opens, numbered as its nine items.

namespace app {

enum class ScreenId {
    ThreeDayWeather = 0,       // "米多天气"
    WeeklyWeather = 1,         // "天气周报"
    OnDemandWeather = 2,       // "天气点播"
    ProfessionalServices = 3,  // "专业服务"
    DisasterWarnings = 4,      // "灾害性天气"
    FireWarnings = 5,          // "消防提醒"
    DesktopSetting = 6,        // "桌面设置"
    SystemSettings = 7,        // "系统设置"
    Help = 8,                  // "软件帮助"
};

inline constexpr int kScreenCount = 9;

}  // namespace app
