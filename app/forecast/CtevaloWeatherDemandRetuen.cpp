#include "app/forecast/CtevaloWeatherDemandRetuen.h"

namespace app {

namespace ui = platform::ui;

CtevaloWeatherDemandRetuen::CtevaloWeatherDemandRetuen(AppContext& context, std::u16string cityName,
                                                       ui::CDialog* parent)
    : CityDetailScreen(u"CtevaloWeatherDemandRetuen", ForecastListKind::demand(), context,
                       std::move(cityName), parent) {}

ui::SoftKeyMenu CtevaloWeatherDemandRetuen::Menu() const {
    return ui::SoftKeyMenu{184, ui::MenuItem{32936, u"返回", {}}, ui::MenuItem{}};
}

}  // namespace app
