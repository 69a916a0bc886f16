#pragma once

// The desktop setting screen: switches the home-screen item on or off (`Enabled` of its
// registry key, then the settings-change broadcast on which the home screen reloads its
// items) and chooses the three-day city the item shows (the Today flag).

#include <string>

#include "app/shell/ShellScreen.h"

class QCheckBox;
class QComboBox;

namespace app {

class CtevaloDesktopDisplay final : public ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloDesktopDisplay)

public:
    static constexpr unsigned kReloadItems = 0xF2;
    static constexpr int kWaitingMs = 300;

    CtevaloDesktopDisplay(AppContext& context, platform::ui::CDialog* parent);

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnCommand(int id) override;

private:
    void fillCities();
    void apply();
    void showWaiting();
    bool writeEnabled(bool show);
    void moveTodayFlag(const std::u16string& chosen);

    QCheckBox* show_ = nullptr;
    QComboBox* cities_ = nullptr;
    std::u16string desktopCity_;  // the Today city when the screen opened
    bool waiting_ = false;        // the home screen is reloading its items
};

}  // namespace app
