#include "app/settings/CtevaloSystemSet.h"

#include "app/shell/CtevaloWeatherDlg.h"
#include "app/shell/StartupWork.h"
#include "platform/clock/Clock.h"
#include "platform/text/Utf.h"
#include "platform/ui/LightText.h"
#include "platform/ui/WindowRegistry.h"
#include "res/ResourceIds.h"
#include "store/SettingStore.h"

namespace app {

using namespace platform::ui;

namespace {

// "18:05:00" -> 18:05:00 the way the phone read it: each part as an integer,
// whatever follows the digits. Out-of-range parts give an invalid time.
QTime parseStoredTime(const std::u16string& text) {
    const size_t first = text.find(u':');
    if (first == std::u16string::npos) return {};
    const size_t second = text.find(u':', first + 1);
    const int hour = platform::toInt(std::u16string_view(text).substr(0, first));
    const int minute = platform::toInt(std::u16string_view(text).substr(
        first + 1, second == std::u16string::npos ? std::u16string::npos : second - first - 1));
    const int sec = second == std::u16string::npos
                        ? 0
                        : platform::toInt(std::u16string_view(text).substr(second + 1));
    return QTime(hour, minute, sec);
}

}  // namespace

CtevaloSystemSet::CtevaloSystemSet(AppContext& context, CDialog* parent)
    : ShellScreen(u"CtevaloSystemSet", context, parent),
      skinLabel_(new QLabel(QStringLiteral("皮肤更换"), this)),
      skinName_(new QLineEdit(this)),
      stepper_(new UpDownControl(this)),
      autoUpdate_(new QCheckBox(QStringLiteral("是否自动更新"), this)),
      note_(
          new QLabel(QStringLiteral("（24小时制，请将自动更新时间设置在17：00 - 24：00）"), this)),
      time_(new QTimeEdit(this)) {
    AddControl(res::IDC_SKIN_LABEL, skinLabel_);
    AddControl(res::IDC_SKIN_NAME, skinName_);
    AddControl(res::IDC_SKIN_SPIN, stepper_);
    AddControl(res::IDC_AUTOUPDATE, autoUpdate_);
    AddControl(res::IDC_TIME_NOTE, note_);
    AddControl(res::IDC_UPDATE_TIME, time_);
    skinName_->setReadOnly(true);
    time_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    time_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    note_->setWordWrap(true);
    for (QWidget* w : {static_cast<QWidget*>(skinLabel_), static_cast<QWidget*>(autoUpdate_),
                       static_cast<QWidget*>(note_)})
        setLightText(*w);
    connect(stepper_, &UpDownControl::stepped, this,
            [this](int, int) { showSkin(stepper_->position()); });
}

bool CtevaloSystemSet::OnInitDialog() {
    SetWindowText(u"系统设置");
    SetSoftKeys({res::IDR_SYSTEMSET,
                 {res::ID_SYSTEMSET_BACK, u"返回", {}},
                 {res::ID_SYSTEMSET_OK, u"确定", {}}});
    MakeFullScreen();
    layoutControls();
    autoUpdate_->setChecked(true);
    const platform::LocalTime now = platform::localTime();
    time_->setTime(QTime(now.hour, now.minute, now.second));
    readStoredTime();
    stepper_->setRange(0, kSkinStepperHigh);
    const int current = Context().values().backgroundNumber;
    stepper_->setPosition(current);
    showSkin(current);
    return true;
}

void CtevaloSystemSet::layoutControls() {
    const int top = TopMargin();
    const int w = width();
    skinLabel_->setGeometry(10, top + 14, 70, 26);
    skinName_->setGeometry(82, top + 14, w - 82 - 66, 26);
    stepper_->setGeometry(w - 60, top + 14, 50, 26);
    autoUpdate_->setGeometry(10, top + 52, w - 20, 26);
    time_->setGeometry(10, top + 86, std::min(140, w - 20), 28);
    note_->setGeometry(10, top + 122, w - 20, 48);
}

void CtevaloSystemSet::readStoredTime() {
    const auto stored =
        store::SettingStore(Context().volumes()).findById(store::kUpdateTimesSettingId);
    if (!stored || stored->longValue.empty()) return;
    const QTime t = parseStoredTime(stored->longValue);
    // A damaged value leaves the picker at the time of opening.
    if (t.isValid()) time_->setTime(t);
}

void CtevaloSystemSet::showSkin(int index) {
    skin_ = index;
    skinName_->setText(QString::fromStdU16String(skinName(index)));
}

void CtevaloSystemSet::OnPaint(Canvas& canvas) {
    canvas.fillRect(GetClientRect(), Colors().background);
}

void CtevaloSystemSet::OnCommand(int id) {
    if (id == res::ID_SYSTEMSET_BACK) {
        EndDialog(IDCANCEL);
    } else if (id == res::ID_SYSTEMSET_OK) {
        confirm();
    }
}

void CtevaloSystemSet::confirm() {
    const store::SettingStore settings(Context().volumes());
    if (autoUpdate_->isChecked()) {
        const QTime t = time_->time();
        store::SettingRecord s;
        s.settingId = store::kUpdateTimesSettingId;
        s.settingName = store::kUpdateTimesSettingName;
        s.setFlag = u"1";
        s.longValue = StartupWork::timeOfDay(t.hour(), t.minute(), t.second());
        if (!settings.store(s)) {
            Prompt(u"设置自动更新时间失败！");
            EndDialog(IDOK);
            return;
        }
    }
    if (skin_ != Context().values().backgroundNumber) {
        store::SettingRecord s;
        s.settingId = store::kBackgroundSettingId;
        s.settingName = store::kBackgroundSettingName;
        s.setFlag = u"1";
        s.longValue = platform::fromInt(skin_);
        if (settings.store(s)) {
            Context().values().backgroundNumber = skin_;
            WindowRegistry::SendMessage(WindowRegistry::FindWindow(u"", kMainMenuCaption),
                                        CtevaloWeatherDlg::kRedrawGridMessage, 0, 0);
        } else {
            Prompt(u"设置软件背景失败！");
        }
    }
    EndDialog(IDOK);
}

}  // namespace app
