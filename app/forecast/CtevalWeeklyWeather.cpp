#include "app/forecast/CtevalWeeklyWeather.h"

#include "app/forecast/CtevaloRegionalChooseWeekly.h"
#include "app/forecast/CtevaloWeeklyRetuen.h"
#include "app/forecast/CtevaloWeeklyWeatherQuery.h"
#include "app/forecast/ForecastSession.h"

namespace app {

namespace ui = platform::ui;

CtevalWeeklyWeather::CtevalWeeklyWeather(AppContext& context, ui::CDialog* parent)
    : CityListScreen(u"CtevalWeeklyWeather", ForecastListKind::weekly(), context, parent) {}

ui::SoftKeyMenu CtevalWeeklyWeather::Menu() const {
    return ui::SoftKeyMenu{kMenu, ui::MenuItem{kBack, u"返回", {}},
                           ui::MenuItem{0,
                                        u"选项",
                                        {
                                            ui::MenuItem{kAddCity, u"添加城市", {}},
                                            ui::MenuItem{kAddSpot, u"添加风景区", {}},
                                            ui::MenuItem{kDetails, u"详细天气信息", {}},
                                            ui::MenuItem{kRemove, u"删除城市", {}},
                                            ui::MenuItem{kUpdate, u"天气更新", {}},
                                            ui::MenuItem{kForward, u"天气转发", {}},
                                            ui::MenuItem{kRecommend, u"推荐好友", {}},
                                        }}};
}

void CtevalWeeklyWeather::OnCommand(int id) {
    switch (id) {
        case kBack:
            EndDialog(platform::IDCANCEL);
            break;
        case kAddCity: {
            ForecastSession::instance().wantedLevel = u"2";
            CtevaloWeeklyWeatherQuery query(Context(), this);
            query.DoModal();
            break;
        }
        case kAddSpot: {
            ForecastSession::instance().wantedLevel = u"3";
            CtevaloRegionalChooseWeekly chooser(Context(), this);
            chooser.DoModal();
            break;
        }
        case kDetails:
            OpenSelected();
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

void CtevalWeeklyWeather::OpenDetail(const std::u16string& cityName) {
    CtevaloWeeklyRetuen detail(Context(), cityName, this);
    detail.DoModal();
}

}  // namespace app
