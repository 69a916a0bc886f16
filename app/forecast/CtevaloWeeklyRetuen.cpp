#include "app/forecast/CtevaloWeeklyRetuen.h"

namespace app {

namespace ui = platform::ui;

CtevaloWeeklyRetuen::CtevaloWeeklyRetuen(AppContext& context, std::u16string cityName,
                                         ui::CDialog* parent)
    : CityDetailScreen(u"CtevaloWeeklyRetuen", ForecastListKind::weekly(), context,
                       std::move(cityName), parent) {}

ui::SoftKeyMenu CtevaloWeeklyRetuen::Menu() const {
    return ui::SoftKeyMenu{134, ui::MenuItem{32800, u"返回", {}}, ui::MenuItem{33014, u"更新", {}}};
}

}  // namespace app
