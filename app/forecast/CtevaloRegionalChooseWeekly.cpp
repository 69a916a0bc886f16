#include "app/forecast/CtevaloRegionalChooseWeekly.h"

#include "app/forecast/CtevaloCityScenicWeekly.h"

namespace app {

CtevaloRegionalChooseWeekly::CtevaloRegionalChooseWeekly(AppContext& context,
                                                         platform::ui::CDialog* parent)
    : ProvinceChooser(u"CtevaloRegionalChooseWeekly", ForecastListKind::weekly(),
                      Ids{143, 32821, 32818, 1089}, context, parent) {}

bool CtevaloRegionalChooseWeekly::OpenSpots(const store::RegionRecord& province) {
    CtevaloCityScenicWeekly spots(Context(), province, this);
    return spots.DoModal() == platform::IDOK;
}

}  // namespace app
