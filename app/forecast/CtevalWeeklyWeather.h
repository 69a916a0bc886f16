#pragma once

// The weekly weather list ("天气周报").

#include "app/forecast/AddableCityListScreen.h"

namespace app {

class CtevalWeeklyWeather final : public AddableCityListScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevalWeeklyWeather)

public:
    static constexpr int kBack = 32867;
    static constexpr int kAddCity = 32868;
    static constexpr int kAddSpot = 32869;
    static constexpr int kDetails = 32870;
    static constexpr int kRemove = 32872;
    static constexpr int kUpdate = 32873;
    static constexpr int kForward = 32874;
    static constexpr int kRecommend = 32901;
    static constexpr int kMenu = 160;

    CtevalWeeklyWeather(AppContext& context, platform::ui::CDialog* parent);

protected:
    void OpenQuery() override;
    void OpenScenicChooser() override;
    void OpenDetail(const std::u16string& cityName) override;
};

}  // namespace app
