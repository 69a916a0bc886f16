#include "app/forecast/CtevaloRegionalChoose.h"

#include "app/forecast/CtevaloCityScenic.h"

namespace app {

CtevaloRegionalChoose::CtevaloRegionalChoose(AppContext& context, platform::ui::CDialog* parent)
    : ProvinceChooser(u"CtevaloRegionalChoose", ForecastListKind::threeDay(),
                      Ids{143, 32821, 32818, 1086}, context, parent) {}

bool CtevaloRegionalChoose::OpenSpots(const store::RegionRecord& province) {
    CtevaloCityScenic spots(Context(), province, this);
    return spots.DoModal() == platform::IDOK;
}

}  // namespace app
