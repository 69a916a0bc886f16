#include "app/forecast/CityQueryDialog.h"

#include <QPushButton>

#include "app/forecast/CityListModel.h"
#include "app/forecast/CityListScreen.h"
#include "app/forecast/ForecastSession.h"
#include "platform/propdb/PropDb.h"
#include "platform/ui/WindowRegistry.h"
#include "store/CityListStore.h"
#include "store/SystemCityStore.h"

namespace app {

namespace ui = platform::ui;

namespace {

constexpr char16_t kHint[] = u"请输入城市名，例如“成都”输入“成都”，点击添加即可";

std::u16string captionOf(const ForecastListKind& kind) {
    return std::u16string(kind.caption) + u"城市查询";
}

std::u16string named(std::u16string_view pattern, std::u16string_view name) {
    std::u16string text(pattern);
    text.replace(text.find(u"%s"), 2, name);
    return text;
}

void sendReload(std::u16string_view caption, std::uintptr_t fetch) {
    if (auto* list = ui::WindowRegistry::FindWindow(u"", caption)) {
        ui::WindowRegistry::SendMessage(list, CityListScreen::kReloadCities, fetch, 0);
    }
}

}  // namespace

CityQueryDialog::CityQueryDialog(std::u16string className, const ForecastListKind& kind,
                                 AppContext& context, ui::CDialog* parent)
    : ShellScreen(std::move(className), context, parent), kind_(kind) {
    input_ = new QLineEdit(this);
    input_->setGeometry(20, 110, 200, 28);
    AddControl(kind.list == ForecastList::Weekly ? 1140 : 1142, input_);
    auto* add = new QPushButton(QStringLiteral("添加"), this);
    add->setGeometry(80, 150, 80, 28);
    AddControl(kind.list == ForecastList::Demand ? 1143 : 1141, add);
    connect(add, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(input_, &QLineEdit::returnPressed, this, [this] { Confirm(); });
}

bool CityQueryDialog::OnInitDialog() {
    SetWindowText(captionOf(kind_));
    SetSoftKeys(ui::SoftKeyMenu{0, ui::MenuItem{kReturnCommand, u"返回", {}}, ui::MenuItem{}});
    MakeFullScreen();
    input_->setFocus();
    return false;
}

void CityQueryDialog::OnCommand(int id) {
    if (id == kReturnCommand) EndDialog(platform::IDCANCEL);
}

void CityQueryDialog::OnPaint(ui::Canvas& canvas) {
    canvas.drawText(kHint, ui::Rect{20, TopMargin() + 20, GetClientRect().width() - 20, 100},
                    ui::DT_LEFT | ui::DT_WORDBREAK, ui::defaultFont(), ui::kBlack);
}

void CityQueryDialog::clearInput() {
    input_->clear();
    input_->setFocus();
}

void CityQueryDialog::Confirm() {
    const std::u16string typed = input_->text().toStdU16String();
    if (typed.empty()) return;
    const auto found = store::SystemCityStore(Context().volumes()).lookup(typed);
    if (!found) {
        clearInput();
        return;
    }
    input_->setText(QString::fromStdU16String(found->cityName));
    auto city = store::toUserCity(*found);
    city.todayFlag = u"0";
    if (kind_.list == ForecastList::Demand) {
        addOnDemand(std::move(city));
    } else {
        city.defaultFlag = u"0";
        addToList(city);
    }
}

void CityQueryDialog::addToList(const store::UserCityRecord& city) {
    const store::CityListStore list(Context().volumes(), storeList(kind_.list));
    if (list.add(city)) {
        Prompt(named(u"<%s>添加成功!", city.cityName));
        sendReload(kind_.caption, 0);
    } else if (platform::propdb::lastError() == platform::propdb::kErrorAlreadyExists) {
        Prompt(named(u"<%s>已经添加!", city.cityName));
    } else {
        ReportStoreFailure();
    }
    clearInput();
}

void CityQueryDialog::addOnDemand(store::UserCityRecord city) {
    auto& session = ForecastSession::instance();
    city.defaultFlag = session.demandToken;
    session.demandLastFound = city.cityName;
    const store::CityListStore list(Context().volumes(), storeList(kind_.list));
    if (list.add(city)) {
        EndDialog(platform::IDOK);
        sendReload(kind_.caption, 1);
        return;
    }
    if (platform::propdb::lastError() != platform::propdb::kErrorAlreadyExists) {
        ReportStoreFailure();
        return;
    }
    const int answer =
        Prompt(named(u"<%s>城市已经添加,是否覆盖!", city.cityName), platform::MB_YESNO);
    if (answer != platform::IDYES) {
        clearInput();
        return;
    }
    // The listed city takes the new token, or its fetch would ask with the one
    // the service has already answered.
    if (auto listed = list.findByName(city.cityName)) {
        listed->defaultFlag = session.demandToken;
        if (!list.updateByName(city.cityName, *listed)) {
            ReportStoreFailure();
            return;
        }
    }
    if (auto* screen = ui::WindowRegistry::FindWindow(u"", kind_.caption)) {
        ui::WindowRegistry::SendMessage(screen, CityListScreen::kRemoveRow, 0, 0);
    }
    EndDialog(platform::IDOK);
    sendReload(kind_.caption, 1);
}

}  // namespace app
