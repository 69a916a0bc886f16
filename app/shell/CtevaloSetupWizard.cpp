#include "app/shell/CtevaloSetupWizard.h"

#include "app/shell/HomeItemLogin.h"
#include "app/shell/StartupWork.h"
#include "platform/ui/LightText.h"
#include "res/ResourceIds.h"
#include "store/SettingStore.h"

namespace app {

using namespace platform::ui;

CtevaloSetupWizard::CtevaloSetupWizard(AppContext& context, CDialog* parent)
    : ShellScreen(u"CtevaloSetupWizard", context, parent),
      today_(new QCheckBox(QStringLiteral("在桌面（今日屏幕）显示天气"), this)),
      autoUpdate_(new QCheckBox(QStringLiteral("每天自动更新天气"), this)),
      created_(platform::localTime()) {
    AddControl(res::IDC_CHECK_TODAY, today_);
    AddControl(res::IDC_CHECK_AUTOUPDATE, autoUpdate_);
}

bool CtevaloSetupWizard::OnInitDialog() {
    SetWindowText(u"设置向导");
    SetSoftKeys({res::IDR_SETUPWIZARD,
                 {res::ID_SETUPWIZARD_CANCEL, u"取消", {}},
                 {res::ID_SETUPWIZARD_OK, u"确定", {}}});
    today_->setChecked(true);
    autoUpdate_->setChecked(true);
    const int top = TopMargin();
    const int w = width();
    today_->setGeometry(14, top + 60, w - 28, 28);
    autoUpdate_->setGeometry(14, top + 96, w - 28, 28);
    setLightText(*today_);
    setLightText(*autoUpdate_);
    return true;
}

void CtevaloSetupWizard::OnPaint(Canvas& canvas) {
    const Rect client = GetClientRect();
    canvas.fillRect(client, Colors().background);
    canvas.drawText(u"欢迎使用米多晴雨匣，请选择：",
                    {14, TopMargin() + 20, client.right - 14, TopMargin() + 50},
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE, FontChoice{u"", 14, true}, kWhite);
    if (settingUp_) {
        const int bottom = client.bottom - SoftKeyHeight();
        canvas.drawText(u"正在设置中，请稍候", {50, bottom - 30, client.right, bottom - 6},
                        DT_LEFT | DT_VCENTER | DT_SINGLELINE, defaultFont(), kWhite);
    }
}

void CtevaloSetupWizard::OnCommand(int id) {
    if (id == res::ID_SETUPWIZARD_OK || id == res::ID_SETUPWIZARD_CANCEL) apply();
}

void CtevaloSetupWizard::apply() {
    const bool showToday = today_->isChecked();
    const bool autoUpdate = autoUpdate_->isChecked();

    // The installer creates the item's key; without it the item is not installed.
    const auto& registry = Context().registry();
    const bool written =
        registry.keyExists(platform::RegistryHive::LocalMachine, kTodayItemKeyPath) &&
        registry.setDword(platform::RegistryHive::LocalMachine, kTodayItemKeyPath, u"Enabled",
                          showToday ? 1 : 0);
    if (!written) {
        platform::messageBox(this, u"未安装桌面显示，请重新安装本软件", u"提示",
                             platform::MB_ICONWARNING);
    } else {
        settingUp_ = true;
        PaintNow();
        update();
        Context().shell().broadcastSettingChange(kSettingChangeTodayItems);
        switchHomeItemLogin(Context().shell(), this, showToday);
    }

    if (autoUpdate) {
        store::SettingRecord s;
        s.settingId = store::kUpdateTimesSettingId;
        s.settingName = store::kUpdateTimesSettingName;
        s.setFlag = u"1";
        s.longValue = StartupWork::timeOfDay(created_.hour, created_.minute, created_.second);
        if (store::SettingStore(Context().volumes()).store(s)) {
            EndDialog(IDOK);
            return;
        }
    }
    Prompt(u" 自动更新设置未成功，请进入软件重新设置!");
    EndDialog(IDOK);
}

}  // namespace app
