#pragma once

// The detail of one on-demand city; it only goes back.

#include "app/forecast/CityDetailScreen.h"

namespace app {

class CtevaloWeatherDemandRetuen final : public CityDetailScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloWeatherDemandRetuen)

public:
    CtevaloWeatherDemandRetuen(AppContext& context, std::u16string cityName,
                               platform::ui::CDialog* parent);

protected:
    platform::ui::SoftKeyMenu Menu() const override;
};

}  // namespace app
