#pragma once

// The detail of one city of the weekly list: today and six more days.

#include "app/forecast/CityDetailScreen.h"

namespace app {

class CtevaloWeeklyRetuen final : public CityDetailScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloWeeklyRetuen)

public:
    CtevaloWeeklyRetuen(AppContext& context, std::u16string cityName,
                        platform::ui::CDialog* parent);

protected:
    platform::ui::SoftKeyMenu Menu() const override;
};

}  // namespace app
