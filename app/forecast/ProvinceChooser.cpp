#include "app/forecast/ProvinceChooser.h"

#include "store/RegionStore.h"

namespace app {

namespace ui = platform::ui;

ProvinceChooser::ProvinceChooser(std::u16string className, const ForecastListKind& kind, Ids ids,
                                 AppContext& context, ui::CDialog* parent)
    : RegionChooser(std::move(className), kind, ids, context, parent) {}

std::vector<std::u16string> ProvinceChooser::Offer(const std::vector<store::RegionRecord>& tree) {
    std::vector<std::u16string> names;
    for (const auto& record : store::RegionStore::provinces(tree)) names.push_back(record.cityName);
    return names;
}

void ProvinceChooser::Chosen(const store::RegionRecord& record) {
    if (OpenSpots(record)) EndDialog(platform::IDOK);
}

void ProvinceChooser::OnActivate(int state) {
    RegionChooser::OnActivate(state);
    if (state != ui::WA_INACTIVE) selectFirst();
}

}  // namespace app
