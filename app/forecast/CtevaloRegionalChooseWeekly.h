#pragma once

// The provinces of the region tree, for a scenic spot of the weekly list.

#include "app/forecast/ProvinceChooser.h"

namespace app {

class CtevaloRegionalChooseWeekly final : public ProvinceChooser {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloRegionalChooseWeekly)

public:
    CtevaloRegionalChooseWeekly(AppContext& context, platform::ui::CDialog* parent);

protected:
    bool OpenSpots(const store::RegionRecord& province) override;
};

}  // namespace app
