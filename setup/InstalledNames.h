#pragma once

// Names the hook writes to the device: registry keys and values, the files it
// places outside the installer's own list.

#include <string_view>

namespace setup {

inline constexpr std::u16string_view kAppKey = u"Software\\tevaloWeather";
inline constexpr std::u16string_view kAppPathValue = u"AppPath";
inline constexpr std::u16string_view kTodayItemKey =
    u"Software\\Microsoft\\Today\\Items\\\"米多晴雨匣\"";
inline constexpr std::u16string_view kProgramFile = u"tevaloWeather.exe";
inline constexpr std::u16string_view kTodayLibraryFile = u"tevaloWeatherToDay.dll";
inline constexpr std::u16string_view kTodayLibraryCopy = u"\\Windows\\tevaloWeatherToDay.dll";
inline constexpr std::u16string_view kTodayLibraryInInstallFolder =
    u"\\Program Files\\tevaloWeather\\tevaloWeatherToDay.dll";
inline constexpr std::u16string_view kShortcutName = u"晴雨匣.lnk";
inline constexpr std::u16string_view kMainWindowClass = u"晴雨匣";
inline constexpr std::u16string_view kCaption = u"提示";
// WM_WININICHANGE's first parameter on which the home screen reloads its items.
inline constexpr unsigned kTodayItemsChanged = 0xF2;

}  // namespace setup
