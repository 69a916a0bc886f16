#pragma once

// The home-screen item runs after login exactly when the user shows it on the
// desktop: the wizard and the desktop setting both switch the login start with
// the item's Enabled value, and say so when it cannot be recorded.

namespace platform {
class ShellServices;
namespace ui {
class CDialog;
}
}  // namespace platform

namespace app {

// The home-screen item's registry key; its Enabled value is the desktop choice.
inline constexpr char16_t kTodayItemKey[] = u"Software\\Microsoft\\Today\\Items\\\"米多晴雨匣\"";

inline constexpr char16_t kHomeItemLoginFailed[] = u"登录后自动显示桌面天气设置未成功";

// False (after telling the user over `owner`) when the choice was not recorded.
bool switchHomeItemLogin(platform::ShellServices& shell, platform::ui::CDialog* owner, bool show);

}  // namespace app
