#include "app/settings/CtevaloDesktopDisplay.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include "app/shell/HomeItemLogin.h"
#include "res/ResourceIds.h"
#include "store/CityListStore.h"

namespace app {
namespace {

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string toU16(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}

}  // namespace

CtevaloDesktopDisplay::CtevaloDesktopDisplay(AppContext& context, platform::ui::CDialog* parent)
    : ShellScreen(u"CtevaloDesktopDisplay", context, parent) {}

bool CtevaloDesktopDisplay::OnInitDialog() {
    SetWindowText(u"桌面设置");
    SetSoftKeys({res::IDR_DESKTOPDISPLAY,
                 {res::ID_DESKTOP_CANCEL, u"取消", {}},
                 {res::ID_DESKTOP_OK, u"确定", {}}});
    const int left = 10;
    const int top = TopMargin() + 10;
    const int width = Display().width - 2 * left;

    show_ = new QCheckBox(QStringLiteral("桌面显示"), this);
    show_->setChecked(true);
    show_->setGeometry(left, top, width, 24);
    AddControl(res::IDC_DESKTOP_SHOW, show_);

    auto* label = new QLabel(QStringLiteral("显示的城市"), this);
    label->setGeometry(left, top + 34, width, 20);
    AddControl(res::IDC_DESKTOP_LABEL, label);

    cities_ = new QComboBox(this);
    cities_->setEditable(false);
    cities_->setGeometry(left, top + 58, width, 26);
    AddControl(res::IDC_DESKTOP_CITY, cities_);

    fillCities();
    return true;
}

// The Today city comes first; it is selected only when it really has the flag.
void CtevaloDesktopDisplay::fillCities() {
    cities_->clear();
    const auto list =
        store::CityListStore(Context().volumes(), store::CityList::ThreeDay).listByToday();
    if (!list || list->empty()) return;
    for (const auto& city : *list) cities_->addItem(toQString(city.cityName));
    if (list->front().todayFlag > u"0") {
        desktopCity_ = list->front().cityName;
        cities_->setCurrentIndex(0);
    } else {
        cities_->setCurrentIndex(-1);
    }
}

void CtevaloDesktopDisplay::OnCommand(int id) {
    if (id == res::ID_DESKTOP_OK) {
        apply();
        EndDialog(platform::IDOK);
    } else if (id == res::ID_DESKTOP_CANCEL) {
        EndDialog(platform::IDCANCEL);
    }
}

void CtevaloDesktopDisplay::apply() {
    const bool show = show_->isChecked();
    if (!writeEnabled(show)) {
        Prompt(u"未安装桌面显示，请重新安装本软件", platform::MB_ICONEXCLAMATION);
    } else {
        Context().shell().broadcastSettingChange(kReloadItems);
        switchHomeItemLogin(Context().shell(), this, show);
        showWaiting();
    }
    if (!show) return;
    const auto chosen = toU16(cities_->currentText());
    if (chosen.empty()) {
        Prompt(u"设置失败，请重试");
        return;
    }
    if (chosen != desktopCity_) moveTodayFlag(chosen);
}

// The home screen reloads its items in its own process; the screen says so for a moment
// instead of closing at once.
void CtevaloDesktopDisplay::showWaiting() {
    waiting_ = true;
    repaint();
    QEventLoop pause;
    QTimer::singleShot(kWaitingMs, &pause, &QEventLoop::quit);
    pause.exec();
}

bool CtevaloDesktopDisplay::writeEnabled(bool show) {
    return Context().registry().setDword(platform::RegistryHive::LocalMachine, kTodayItemKey,
                                         u"Enabled", show ? 1 : 0);
}

// The former desktop city loses its flag only once the chosen one has it, so a failed
// write never leaves the item without a city.
void CtevaloDesktopDisplay::moveTodayFlag(const std::u16string& chosen) {
    const store::CityListStore list(Context().volumes(), store::CityList::ThreeDay);
    auto city = list.findByName(chosen);
    if (!city) return;
    city->todayFlag = u"1";
    if (!list.updateByName(chosen, *city)) return;
    auto former = list.findByName(desktopCity_);
    if (!former) return;
    former->todayFlag = u"0";
    list.updateByName(desktopCity_, *former);
}

void CtevaloDesktopDisplay::OnPaint(platform::ui::Canvas& canvas) {
    canvas.fillRect(canvas.bounds(), platform::ui::kWhite);
    if (!waiting_) return;
    const int top = TopMargin() + 100;
    canvas.drawText(
        u"正在设置中，请稍候", {0, top, canvas.width(), top + 24},
        platform::ui::DT_CENTER | platform::ui::DT_VCENTER | platform::ui::DT_SINGLELINE,
        platform::ui::defaultFont(), platform::ui::kBlack);
}

}  // namespace app
