#include "app/forecast/CtevaloTeVoWeatherRetuen.h"

namespace app {

namespace ui = platform::ui;

CtevaloTeVoWeatherRetuen::CtevaloTeVoWeatherRetuen(AppContext& context, std::u16string cityName,
                                                   ui::CDialog* parent)
    : CityDetailScreen(u"CtevaloTeVoWeatherRetuen", ForecastListKind::threeDay(), context,
                       std::move(cityName), parent) {}

ui::SoftKeyMenu CtevaloTeVoWeatherRetuen::Menu() const {
    return ui::SoftKeyMenu{130, ui::MenuItem{32800, u"返回", {}}, ui::MenuItem{33014, u"更新", {}}};
}

}  // namespace app
