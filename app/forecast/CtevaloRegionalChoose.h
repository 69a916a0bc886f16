#pragma once

// The provinces of the region tree, for a scenic spot of the three-day list.

#include "app/forecast/ProvinceChooser.h"

namespace app {

class CtevaloRegionalChoose final : public ProvinceChooser {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloRegionalChoose)

public:
    CtevaloRegionalChoose(AppContext& context, platform::ui::CDialog* parent);

protected:
    bool OpenSpots(const store::RegionRecord& province) override;
};

}  // namespace app
