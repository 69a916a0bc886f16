#include "app/forecast/DemandReplyStore.h"

#include <algorithm>

#include "weather/ForecastReply.h"
#include "weather/ReplySyntax.h"

namespace app {

DemandReplyStore::Result DemandReplyStore::store(std::u16string_view reply, CityListModel& model) {
    Result result;
    const auto sections = weather::splitWithTrailing(reply, weather::kSectionSeparator);
    store::CityUpdateRecord stamp;
    stamp.cityId = store::kStampCityId;
    stamp.cityName = store::kStampCityName;
    stamp.days[0] = sections.front().substr(0, weather::kDayFieldLength);
    if (!model.stampStore().addOrReplace(stamp)) {
        result.complete = false;
        return result;
    }

    for (std::size_t s = 1; s < sections.size(); ++s) {
        for (const auto& block : weather::splitTerminated(sections[s], weather::kBlockTerminator)) {
            if (block.empty() || block == u"-2") continue;
            const std::u16string code = block.substr(0, block.find(weather::kFieldSeparator));
            const auto& cities = model.cities();
            const auto city = std::find_if(cities.begin(), cities.end(),
                                           [&](const auto& c) { return c.cityCode == code; });
            // A block of a city no longer listed has no name to be stored under.
            if (city == cities.end()) continue;
            store::CityUpdateRecord record;
            record.cityId = city->cityCode;
            record.cityName = city->cityName;
            const auto days = weather::splitCityBlock(block);
            std::copy(days.begin(), days.end(), record.days.begin());
            if (!model.stampStore().addOrReplace(record) || !model.clearToken(record.cityName)) {
                result.complete = false;
                return result;
            }
            result.stored.push_back(record.cityName);
        }
    }
    return result;
}

}  // namespace app
