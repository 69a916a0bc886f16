#pragma once

// The detail of one city of the three-day list.

#include "app/forecast/CityDetailScreen.h"

namespace app {

class CtevaloTeVoWeatherRetuen final : public CityDetailScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloTeVoWeatherRetuen)

public:
    CtevaloTeVoWeatherRetuen(AppContext& context, std::u16string cityName,
                             platform::ui::CDialog* parent);

protected:
    platform::ui::SoftKeyMenu Menu() const override;
};

}  // namespace app
