#include "app/forecast/CtevalWeeklyWeather.h"

#include "app/forecast/CtevaloRegionalChooseWeekly.h"
#include "app/forecast/CtevaloWeeklyRetuen.h"
#include "app/forecast/CtevaloWeeklyWeatherQuery.h"

namespace app {

namespace ui = platform::ui;

CtevalWeeklyWeather::CtevalWeeklyWeather(AppContext& context, ui::CDialog* parent)
    : AddableCityListScreen(u"CtevalWeeklyWeather", ForecastListKind::weekly(),
                            {kMenu, kBack, kAddCity, kAddSpot, kDetails, 0, kRemove, kUpdate,
                             kForward, kRecommend, true},
                            context, parent) {}

void CtevalWeeklyWeather::OpenQuery() {
    CtevaloWeeklyWeatherQuery query(Context(), this);
    query.DoModal();
}

void CtevalWeeklyWeather::OpenScenicChooser() {
    CtevaloRegionalChooseWeekly chooser(Context(), this);
    chooser.DoModal();
}

void CtevalWeeklyWeather::OpenDetail(const std::u16string& cityName) {
    CtevaloWeeklyRetuen detail(Context(), cityName, this);
    detail.DoModal();
}

}  // namespace app
