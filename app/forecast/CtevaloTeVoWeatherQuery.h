#pragma once

// Adds a city to the three-day list by name or initials.

#include "app/forecast/CityQueryDialog.h"

namespace app {

class CtevaloTeVoWeatherQuery final : public CityQueryDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloTeVoWeatherQuery)

public:
    CtevaloTeVoWeatherQuery(AppContext& context, platform::ui::CDialog* parent)
        : CityQueryDialog(u"CtevaloTeVoWeatherQuery", ForecastListKind::threeDay(), context,
                          parent) {}
};

}  // namespace app
