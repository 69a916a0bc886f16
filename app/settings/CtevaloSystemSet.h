#pragma once

// System settings: the skin (background number) and the daily time of the
// automatic update, which the home-screen item performs. "确定" stores the
// update time (setting "6", when the box is checked) and a changed skin
// (setting "7", then the main menu redraws); "返回" stores nothing.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>

#include "app/shell/ShellScreen.h"
#include "platform/ui/UpDownControl.h"

namespace app {

class CtevaloSystemSet final : public ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloSystemSet)

public:
    // The stepper reaches the first two skins.
    static constexpr int kSkinStepperHigh = 1;

    CtevaloSystemSet(AppContext& context, platform::ui::CDialog* parent);

    int ChosenSkin() const { return skin_; }

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnCommand(int id) override;
    platform::ui::Color BackgroundColor() const override { return Colors().background; }

private:
    void layoutControls();
    void readStoredTime();
    void showSkin(int index);
    void confirm();

    QLabel* skinLabel_;
    QLineEdit* skinName_;
    platform::ui::UpDownControl* stepper_;
    QCheckBox* autoUpdate_;
    QLabel* note_;
    QTimeEdit* time_;
    int skin_ = 1;
};

}  // namespace app
