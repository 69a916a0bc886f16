#pragma once

// What the item reads from and writes to the shared city volume, in the item's own
// terms. Every call is one complete store operation, so a write of the application
// (another process) is seen by the next call. A table that cannot be opened reads as
// a missing record.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/UserCityRecord.h"
#include "store/Volumes.h"
#include "store/WarningRecord.h"
#include "store/WarningStore.h"

namespace today {

// What one paint of the item shows, read together.
struct TodayPaintValues {
    std::optional<std::u16string> updateStamp;
    std::optional<std::u16string> desktopCity;
    std::optional<std::array<std::u16string, 3>> cityDays;  // of the desktop city
    std::optional<std::u16string> updateTimeSetting;
    std::optional<std::u16string> clientCode;
    std::optional<std::u16string> alertTitle;
};

class TodayStore final {
public:
    // The volumes of the device, mounted the way the item mounts them.
    TodayStore();
    explicit TodayStore(store::Volumes volumes);

    // Day 1 of the update stamp record of the three-day list.
    [[nodiscard]] std::optional<std::u16string> updateStamp() const;
    // Name of the first three-day city whose Today flag is "1".
    [[nodiscard]] std::optional<std::u16string> desktopCity() const;
    // Days 1 to 3 of the stored forecast of a three-day city.
    [[nodiscard]] std::optional<std::array<std::u16string, 3>> cityDays(
        const std::u16string& name) const;
    // Long value of the "自动更新时间" setting.
    [[nodiscard]] std::optional<std::u16string> updateTimeSetting() const;
    // Value of the client code setting.
    [[nodiscard]] std::optional<std::u16string> clientCode() const;
    // Title of the first warning flagged for the home screen, disaster warnings
    // before fire warnings.
    [[nodiscard]] std::optional<std::u16string> alertTitle() const;

    // Everything a paint shows, in one shared (read-only) mount of the city
    // volume: the same values as the single reads above, at one moment.
    TodayPaintValues paintValues() const;

    // The three-day list, default city first.
    [[nodiscard]] std::optional<std::vector<store::UserCityRecord>> threeDayCities() const;
    // Stores a forecast reply for `cities` as the application does.
    [[nodiscard]] bool storeForecast(const std::u16string& reply,
                                     const std::vector<store::UserCityRecord>& cities) const;
    // The stored warnings in list order.
    [[nodiscard]] std::optional<std::vector<store::WarningRecord>> warnings(
        store::WarningKind kind) const;
    // Adds the warnings of one reply; those whose ID is stored already stay as they are.
    // `newTitles` receives the titles of the warnings that were new.
    [[nodiscard]] bool addWarnings(store::WarningKind kind,
                                   const std::vector<store::WarningRecord>& warnings,
                                   const std::u16string& updateTime,
                                   std::vector<std::u16string>* newTitles = nullptr) const;

private:
    store::Volumes volumes_;
};

}  // namespace today
