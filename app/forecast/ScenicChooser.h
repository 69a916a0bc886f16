#pragma once

#include "app/forecast/RegionChooser.h"

namespace app {

// The scenic spots (or cities, for wanted level "2") of one province.
class ScenicChooser : public RegionChooser {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScenicChooser)

public:
    ScenicChooser(std::u16string className, const ForecastListKind& kind, Ids ids,
                  store::RegionRecord province, AppContext& context, platform::ui::CDialog* parent);

protected:
    std::vector<std::u16string> Offer(const std::vector<store::RegionRecord>& tree) override;
    void Chosen(const store::RegionRecord& record) override;

private:
    store::RegionRecord province_;
};

}  // namespace app
