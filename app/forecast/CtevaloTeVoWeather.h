#pragma once

// The three-day weather list ("泰沃天气").

#include "app/forecast/AddableCityListScreen.h"

namespace app {

class CtevaloTeVoWeather final : public AddableCityListScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloTeVoWeather)

public:
    static constexpr int kBack = 32786;
    static constexpr int kAddCity = 32787;
    static constexpr int kAddSpot = 32788;
    static constexpr int kDetails = 32789;
    static constexpr int kSetDefault = 32790;
    static constexpr int kRemove = 32791;
    static constexpr int kUpdate = 32792;
    static constexpr int kForward = 32794;
    static constexpr int kRecommend = 32904;
    static constexpr int kMenu = 131;

    CtevaloTeVoWeather(AppContext& context, platform::ui::CDialog* parent);

protected:
    void OpenQuery() override;
    void OpenScenicChooser() override;
    void OpenDetail(const std::u16string& cityName) override;
};

}  // namespace app
