#include "app/shell/CtevaloSetupWizardQuey.h"

#include "res/ResourceIds.h"
#include "store/CityListStore.h"
#include "store/SettingStore.h"
#include "store/SystemCityStore.h"

namespace app {

using namespace platform::ui;

CtevaloSetupWizardQuey::CtevaloSetupWizardQuey(AppContext& context, CDialog* parent)
    : ShellScreen(u"CtevaloSetupWizardQuey", context, parent),
      input_(new QLineEdit(this)),
      button_(new QPushButton(QStringLiteral("确定"), this)) {
    AddControl(res::IDC_SETUPQUERY_EDIT, input_);
    AddControl(res::IDC_SETUPQUERY_BUTTON, button_);
    connect(button_, &QPushButton::clicked, this,
            [this] { OnCommand(res::IDC_SETUPQUERY_BUTTON); });
    // The action key in the city field confirms, as in the add-city dialogs.
    connect(input_, &QLineEdit::returnPressed, this,
            [this] { OnCommand(res::IDC_SETUPQUERY_BUTTON); });
}

bool CtevaloSetupWizardQuey::OnInitDialog() {
    SetWindowText(u"设置向导");
    SetSoftKeys({res::IDR_SETUPWIZARD_QUERY,
                 {res::ID_SETUPQUERY_CANCEL, u"取消", {}},
                 {res::ID_SETUPQUERY_OK, u"确定", {}}});
    input_->setText(QStringLiteral("成都"));
    const int top = TopMargin();
    input_->setGeometry(14, top + 60, width() - 28 - 64, 28);
    button_->setGeometry(width() - 14 - 58, top + 60, 58, 28);
    input_->setFocus();
    return false;  // typing goes to the city field
}

void CtevaloSetupWizardQuey::OnPaint(Canvas& canvas) {
    const Rect client = GetClientRect();
    canvas.fillRect(client, Colors().background);
    canvas.drawText(u"请输入您所在的城市（名称或拼音首字母）：",
                    {14, TopMargin() + 14, client.right - 14, TopMargin() + 56},
                    DT_LEFT | DT_WORDBREAK, FontChoice{u"", 14, true}, kWhite);
}

void CtevaloSetupWizardQuey::OnCommand(int id) {
    if (id == res::IDC_SETUPQUERY_BUTTON || id == res::ID_SETUPQUERY_OK) {
        addTypedCity();
        finish();
    } else if (id == res::ID_SETUPQUERY_CANCEL) {
        finish();
    }
}

void CtevaloSetupWizardQuey::addTypedCity() {
    const std::u16string typed = input_->text().trimmed().toStdU16String();
    if (typed.empty()) return;
    const auto city = store::SystemCityStore(Context().volumes()).lookup(typed);
    if (!city) return;
    const store::CityListStore list(Context().volumes(), store::CityList::ThreeDay);
    if (list.findByName(city->cityName)) {
        Prompt(u"<" + city->cityName + u">已经添加!");
        return;
    }
    store::UserCityRecord record = store::toUserCity(*city);
    record.defaultFlag = u"1";
    record.todayFlag = u"1";
    if (list.add(record)) {
        Prompt(u"<" + city->cityName + u">添加成功!");
    } else {
        ReportStoreFailure();
    }
}

void CtevaloSetupWizardQuey::finish() {
    store::SettingRecord s;
    s.settingId = store::kTodayCitySettingId;
    s.settingName = store::kTodayCitySettingName;
    s.setFlag = u"1";
    s.longValue = u"已经设置了";
    if (!store::SettingStore(Context().volumes()).store(s))
        Prompt(u"桌面设置未成功，请进入软件重新设置!");
    EndDialog(IDOK);
}

}  // namespace app
