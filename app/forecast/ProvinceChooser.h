#pragma once

#include "app/forecast/RegionChooser.h"

namespace app {

// The provinces; choosing one opens its spot chooser.
class ProvinceChooser : public RegionChooser {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProvinceChooser)

public:
    ProvinceChooser(std::u16string className, const ForecastListKind& kind, Ids ids,
                    AppContext& context, platform::ui::CDialog* parent);

protected:
    std::vector<std::u16string> Offer(const std::vector<store::RegionRecord>& tree) override;
    void Chosen(const store::RegionRecord& record) override;
    void OnActivate(int state) override;
    // Runs the spot chooser of the province; true when it ended with OK.
    virtual bool OpenSpots(const store::RegionRecord& province) = 0;
};

}  // namespace app
