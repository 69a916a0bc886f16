#include "app/forecast/ForecastScreens.h"

#include "app/forecast/CtevalWeeklyWeather.h"
#include "app/forecast/CtevaloTeVoWeather.h"
#include "app/forecast/CtevaloWeatherDemand.h"

namespace app {

namespace {

template <class Screen>
ScreenFactory factory() {
    return [](AppContext& context, platform::ui::CDialog* parent) {
        Screen screen(context, parent);
        return screen.DoModal();
    };
}

}  // namespace

void registerForecastScreens(ScreenLauncher& launcher) {
    launcher.registerScreen(ScreenId::ThreeDayWeather, factory<CtevaloTeVoWeather>());
    launcher.registerScreen(ScreenId::WeeklyWeather, factory<CtevalWeeklyWeather>());
    launcher.registerScreen(ScreenId::OnDemandWeather, factory<CtevaloWeatherDemand>());
}

}  // namespace app
