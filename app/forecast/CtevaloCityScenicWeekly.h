#pragma once

// The scenic spots of one province, added to the weekly list.

#include "app/forecast/ScenicChooser.h"

namespace app {

class CtevaloCityScenicWeekly final : public ScenicChooser {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloCityScenicWeekly)

public:
    CtevaloCityScenicWeekly(AppContext& context, store::RegionRecord province,
                            platform::ui::CDialog* parent)
        : ScenicChooser(u"CtevaloCityScenicWeekly", ForecastListKind::weekly(),
                        Ids{145, 32824, 32826, 1091}, std::move(province), context, parent) {}
};

}  // namespace app
