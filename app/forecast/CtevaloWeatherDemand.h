#pragma once

// The on-demand weather list ("天气点播"): cities fetched once, each with the
// request token made when the user asked for it.

#include "app/forecast/CityListScreen.h"

namespace app {

class CtevaloWeatherDemand final : public CityListScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloWeatherDemand)

public:
    static constexpr int kMenu = 164;
    static constexpr int kBack = 32884;
    static constexpr int kView = 32885;
    static constexpr int kUpdate = 32886;
    static constexpr int kRemove = 32887;
    static constexpr int kRequest = 32888;

    CtevaloWeatherDemand(AppContext& context, platform::ui::CDialog* parent);

    // "点播服务": a new request token, then the query dialog.
    void Request();

protected:
    platform::ui::SoftKeyMenu Menu() const override;
    void OnCommand(int id) override;
    void OpenDetail(const std::u16string& cityName) override;
};

}  // namespace app
