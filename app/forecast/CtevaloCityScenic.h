#pragma once

// The scenic spots of one province, added to the three-day list.

#include "app/forecast/ScenicChooser.h"

namespace app {

class CtevaloCityScenic final : public ScenicChooser {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloCityScenic)

public:
    CtevaloCityScenic(AppContext& context, store::RegionRecord province,
                      platform::ui::CDialog* parent)
        : ScenicChooser(u"CtevaloCityScenic", ForecastListKind::threeDay(),
                        Ids{145, 32824, 32826, 1087}, std::move(province), context, parent) {}
};

}  // namespace app
