#include "app/shell/ShellScreen.h"

#include "platform/ui/WindowRegistry.h"

namespace app {

ShellScreen::ShellScreen(std::u16string className, AppContext& context,
                         platform::ui::CDialog* parent)
    : platform::ui::CDialog(std::move(className), parent), context_(context) {}

std::u16string ShellScreen::PicturePath(std::u16string_view name) {
    return std::u16string(kPictureFolder) + std::u16string(name);
}

bool ShellScreen::RepositionMainMenu() {
    auto* menu = platform::ui::WindowRegistry::FindWindow(u"", kMainMenuCaption);
    if (!menu) return false;
    platform::ui::WindowRegistry::SendMessage(menu, platform::ui::DM_REPOSITION, 0, 0);
    return true;
}

int ShellScreen::Prompt(std::u16string_view text, unsigned type) {
    return platform::messageBox(this, text, u"提示", type);
}

void ShellScreen::ReportStoreFailure() {
    Prompt(kStoreFailedText, platform::MB_ICONEXCLAMATION);
}

void ShellScreen::ReportReadFailure() {
    Prompt(kReadFailedText, platform::MB_ICONEXCLAMATION);
}

void ShellScreen::OnActivate(int state) {
    if (state != platform::ui::WA_INACTIVE && isVisible()) MakeFullScreen();
}

}  // namespace app
