#pragma once

// Requests the forecast of a city once, by name or initials.

#include "app/forecast/CityQueryDialog.h"

namespace app {

class CtevaloWeatherDemandQuery final : public CityQueryDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloWeatherDemandQuery)

public:
    CtevaloWeatherDemandQuery(AppContext& context, platform::ui::CDialog* parent)
        : CityQueryDialog(u"CtevaloWeatherDemandQuery", ForecastListKind::demand(), context,
                          parent) {}
};

}  // namespace app
