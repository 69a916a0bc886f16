#include "app/forecast/CtevaloWeatherDemand.h"

#include "app/forecast/CtevaloWeatherDemandQuery.h"
#include "app/forecast/CtevaloWeatherDemandRetuen.h"
#include "app/forecast/ForecastSession.h"
#include "weather/ClientCode.h"

namespace app {

namespace ui = platform::ui;

CtevaloWeatherDemand::CtevaloWeatherDemand(AppContext& context, ui::CDialog* parent)
    : CityListScreen(u"CtevaloWeatherDemand", ForecastListKind::demand(), context, parent) {}

ui::SoftKeyMenu CtevaloWeatherDemand::Menu() const {
    return ui::SoftKeyMenu{kMenu, ui::MenuItem{kBack, u"返回", {}},
                           ui::MenuItem{0,
                                        u"选项",
                                        {
                                            ui::MenuItem{kView, u"查看", {}},
                                            ui::MenuItem{kRemove, u"删除", {}},
                                            ui::MenuItem{kUpdate, u"更新", {}},
                                            ui::MenuItem{kRequest, u"点播服务", {}},
                                        }}};
}

void CtevaloWeatherDemand::Request() {
    auto& session = ForecastSession::instance();
    session.demandToken = weather::makeRequestToken();
    session.wantedLevel = std::u16string(u"2");
    CtevaloWeatherDemandQuery query(Context(), this);
    query.DoModal();
}

void CtevaloWeatherDemand::OnCommand(int id) {
    switch (id) {
        case kBack:
            EndDialog(platform::IDCANCEL);
            break;
        case kView:
            OpenSelected();
            break;
        case kRemove:
            DeleteSelected();
            break;
        case kUpdate:
            UpdateAll();
            break;
        case kRequest:
            Request();
            break;
        default:
            break;
    }
}

void CtevaloWeatherDemand::OpenDetail(const std::u16string& cityName) {
    CtevaloWeatherDemandRetuen detail(Context(), cityName, this);
    detail.DoModal();
}

}  // namespace app
