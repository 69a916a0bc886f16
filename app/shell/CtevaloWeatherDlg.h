#pragma once

// The main menu (caption "晴雨匣"): a header with the date and the product
// title over a grid of nine picture buttons, one per function. Its
// initialisation runs start-up: client code, cover window, logo, first-run
// wizard, background number and unread-warning counts. The application ends
// when it closes ("退出" and its confirmation).

#include <array>

#include "app/shell/MainMenuGrid.h"
#include "app/shell/ShellScreen.h"
#include "platform/ui/Picture.h"

namespace app {

class CtevaloMenu;

class CtevaloWeatherDlg final : public ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloWeatherDlg)

public:
    static constexpr unsigned kRedrawGridMessage = platform::ui::WM_USER + 3;

    explicit CtevaloWeatherDlg(AppContext& context);
    ~CtevaloWeatherDlg() override;

    int Selected() const { return selected_; }
    MainMenuGrid Grid() const { return MainMenuGrid(width(), TopMargin()); }
    // Caption and picture file of an item, as drawn now.
    static std::u16string_view Caption(int index);
    std::u16string PictureName(int index) const;

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnKeyDown(int vk) override;
    void OnLButtonDown(int x, int y) override;
    void OnLButtonUp(int x, int y) override;
    void OnCommand(int id) override;
    std::intptr_t OnUserMessage(unsigned message, std::uintptr_t wParam,
                                std::intptr_t lParam) override;
    void OnActivate(int state) override;
    void OnSize(int kind, int cx, int cy) override;
    void OnMinimized() override;
    bool BringWindowBehindToFront() override;
    platform::ui::Color BackgroundColor() const override { return Colors().background; }

private:
    void loadPictures();
    void runStartup();
    void rescueDamagedVolume();
    void openSelected();
    void restore();
    void exitApplication();
    void updateBadges();
    void rebuildGrid();

    std::unique_ptr<CtevaloMenu> cover_;
    platform::ui::Picture header_;
    platform::ui::Picture frame_;
    std::array<platform::ui::Picture, MainMenuGrid::kItems> items_;
    platform::ui::Surface grid_;
    int selected_ = 0;
    platform::ui::Rect penRect_;
    bool penDown_ = false;
};

}  // namespace app
