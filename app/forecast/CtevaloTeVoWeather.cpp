#include "app/forecast/CtevaloTeVoWeather.h"

#include "app/forecast/CtevaloRegionalChoose.h"
#include "app/forecast/CtevaloTeVoWeatherQuery.h"
#include "app/forecast/CtevaloTeVoWeatherRetuen.h"

namespace app {

namespace ui = platform::ui;

CtevaloTeVoWeather::CtevaloTeVoWeather(AppContext& context, ui::CDialog* parent)
    : AddableCityListScreen(u"CtevaloTeVoWeather", ForecastListKind::threeDay(),
                            {kMenu, kBack, kAddCity, kAddSpot, kDetails, kSetDefault, kRemove,
                             kUpdate, kForward, kRecommend},
                            context, parent) {}

void CtevaloTeVoWeather::OpenQuery() {
    CtevaloTeVoWeatherQuery query(Context(), this);
    query.DoModal();
}

void CtevaloTeVoWeather::OpenScenicChooser() {
    CtevaloRegionalChoose chooser(Context(), this);
    chooser.DoModal();
}

void CtevaloTeVoWeather::OpenDetail(const std::u16string& cityName) {
    CtevaloTeVoWeatherRetuen detail(Context(), cityName, this);
    detail.DoModal();
}

}  // namespace app
