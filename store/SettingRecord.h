#pragma once

#include <string>

namespace store {

// One persistent setting of the application.
struct SettingRecord {
    std::u16string settingId;
    std::u16string settingName;  // unique
    std::u16string setFlag;      // "1" once made
    std::u16string value;
    std::u16string longValue;

    bool operator==(const SettingRecord&) const = default;
};

inline constexpr char16_t kClientCodeSettingId[] = u"21";
inline constexpr char16_t kClientCodeSettingName[] = u"3天7天气鉴权码";
inline constexpr char16_t kTodayCitySettingId[] = u"5";
inline constexpr char16_t kTodayCitySettingName[] = u"桌面显示城市";
inline constexpr char16_t kUpdateTimesSettingId[] = u"6";
inline constexpr char16_t kUpdateTimesSettingName[] = u"自动更新时间";
inline constexpr char16_t kBackgroundSettingId[] = u"7";
inline constexpr char16_t kBackgroundSettingName[] = u"软件背景";

}  // namespace store
