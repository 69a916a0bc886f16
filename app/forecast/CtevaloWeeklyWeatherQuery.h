#pragma once

// Adds a city to the weekly list by name or initials.

#include "app/forecast/CityQueryDialog.h"

namespace app {

class CtevaloWeeklyWeatherQuery final : public CityQueryDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloWeeklyWeatherQuery)

public:
    CtevaloWeeklyWeatherQuery(AppContext& context, platform::ui::CDialog* parent)
        : CityQueryDialog(u"CtevaloWeeklyWeatherQuery", ForecastListKind::weekly(), context,
                          parent) {}
};

}  // namespace app
