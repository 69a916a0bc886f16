#include "app/forecast/CtevaloTeVoWeather.h"

#include "app/forecast/CtevaloRegionalChoose.h"
#include "app/forecast/CtevaloTeVoWeatherQuery.h"
#include "app/forecast/CtevaloTeVoWeatherRetuen.h"
#include "app/forecast/ForecastSession.h"

namespace app {

namespace ui = platform::ui;

CtevaloTeVoWeather::CtevaloTeVoWeather(AppContext& context, ui::CDialog* parent)
    : CityListScreen(u"CtevaloTeVoWeather", ForecastListKind::threeDay(), context, parent) {}

ui::SoftKeyMenu CtevaloTeVoWeather::Menu() const {
    return ui::SoftKeyMenu{kMenu, ui::MenuItem{kBack, u"返回", {}},
                           ui::MenuItem{0,
                                        u"选项",
                                        {
                                            ui::MenuItem{kAddCity, u"添加城市", {}},
                                            ui::MenuItem{kAddSpot, u"添加风景区", {}},
                                            ui::MenuItem{kDetails, u"详细天气信息", {}},
                                            ui::MenuItem{kSetDefault, u"设置为默认城市", {}},
                                            ui::MenuItem{kRemove, u"删除城市", {}},
                                            ui::MenuItem{kUpdate, u"天气更新", {}},
                                            ui::MenuItem{kForward, u"天气转发", {}},
                                            ui::MenuItem{kRecommend, u"推荐好友", {}},
                                        }}};
}

void CtevaloTeVoWeather::OnCommand(int id) {
    switch (id) {
        case kBack:
            EndDialog(platform::IDCANCEL);
            break;
        case kAddCity: {
            ForecastSession::instance().wantedLevel = u"2";
            CtevaloTeVoWeatherQuery query(Context(), this);
            query.DoModal();
            break;
        }
        case kAddSpot: {
            ForecastSession::instance().wantedLevel = u"3";
            CtevaloRegionalChoose chooser(Context(), this);
            chooser.DoModal();
            break;
        }
        case kDetails:
            OpenSelected();
            break;
        case kSetDefault:
            MakeSelectedDefault();
            break;
        case kRemove:
            DeleteSelected();
            break;
        case kUpdate:
            UpdateAll();
            break;
        case kForward:
            ForwardSelected();
            break;
        case kRecommend:
            Recommend();
            break;
        default:
            break;
    }
}

void CtevaloTeVoWeather::OpenDetail(const std::u16string& cityName) {
    CtevaloTeVoWeatherRetuen detail(Context(), cityName, this);
    detail.DoModal();
}

}  // namespace app
