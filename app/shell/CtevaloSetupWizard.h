#pragma once

// First page of the first-run wizard: whether the home-screen item and the
// automatic update shall be on. "确定" and "取消" both apply the boxes: the
// registry value Enabled of the item, the settings-change broadcast, and the
// update time (setting "6", the moment the page was made).

#include <QCheckBox>

#include "app/shell/ShellScreen.h"
#include "platform/clock/Clock.h"

namespace app {

class CtevaloSetupWizard final : public ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloSetupWizard)

public:
    CtevaloSetupWizard(AppContext& context, platform::ui::CDialog* parent);

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnCommand(int id) override;

private:
    void apply();

    QCheckBox* today_;
    QCheckBox* autoUpdate_;
    platform::LocalTime created_;
    bool settingUp_ = false;
};

}  // namespace app
