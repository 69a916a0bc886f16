#pragma once

// ShellScreen: the base of the application's screens. A CDialog that holds
// the AppContext and follows the common conventions:
// - opening: full screen at (0, 0), soft keys from the screen's menu;
// - becoming active again: back to full screen (task bar hidden);
// - the setting-change notification of the input panel is ignored, so the
//   screen keeps its size;
// - a text or detail screen calls RepositionMainMenu() on its first paint after
//   a size change (DM_REPOSITION to the window titled "晴雨匣");
// - colours: Colors() gives the pair of the current background number.

#include <string>

#include "app/shell/AppContext.h"
#include "app/shell/BackgroundColors.h"
#include "platform/ui/CDialog.h"

namespace app {

inline constexpr char16_t kMainMenuCaption[] = u"晴雨匣";
inline constexpr char16_t kProductTitle[] = u"米多晴雨匣V1.5";
inline constexpr char16_t kStoreFailedText[] = u"数据保存失败，请检查存储空间";
inline constexpr char16_t kReadFailedText[] = u"数据读取失败，请稍后重试";
inline constexpr char16_t kPictureFolder[] = u"\\Program Files\\tevaloWeather\\tevalo\\";

class ShellScreen : public platform::ui::CDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShellScreen)

public:
    ShellScreen(std::u16string className, AppContext& context, platform::ui::CDialog* parent);

    AppContext& Context() const { return context_; }
    BackgroundColors Colors() const { return backgroundColors(context_.values().backgroundNumber); }

    // Device path of a picture of the product ("TQ.png" -> "\Program Files\...\tevalo\TQ.png").
    static std::u16string PicturePath(std::u16string_view name);
    // Sends DM_REPOSITION to the main menu when it exists; true when sent.
    static bool RepositionMainMenu();
    // Message box with the caption "提示" owned by this screen.
    int Prompt(std::u16string_view text, unsigned type = platform::MB_OK);
    // Tells the user that data could not be saved (a full, read-only, busy or
    // damaged volume); what was stored before is still there.
    void ReportStoreFailure();
    // Tells the user that stored data could not be read (a busy or damaged
    // volume), so that an unreadable list is not taken for an empty one.
    void ReportReadFailure();

protected:
    void OnActivate(int state) override;

private:
    AppContext& context_;
};

}  // namespace app
