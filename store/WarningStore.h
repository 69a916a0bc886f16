#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "store/Volumes.h"
#include "store/WarningRecord.h"

namespace store {

enum class WarningKind { Disaster, Fire };  // DisasWeather, FireRemind

// Disaster-weather or fire warnings of CityDatabase.vol.
class WarningStore final {
public:
    static constexpr int kMaxUnread = 5;

    WarningStore(Volumes volumes, WarningKind kind);

    // All warnings, greatest ID first.
    [[nodiscard]] std::optional<std::vector<WarningRecord>> list() const;
    [[nodiscard]] std::optional<WarningRecord> findByTitle(std::u16string_view title) const;
    // Fails when the ID is stored already; that record stays as it is.
    [[nodiscard]] bool add(const WarningRecord& warning) const;

    // Adds the warnings of one reply in one mount, each with `updateTime` as its
    // update time. Returns how many were new; known IDs are left untouched.
    // `newTitles`, when given, receives the titles of the new ones in reply
    // order once they are stored.
    [[nodiscard]] std::optional<int> storeWarnings(
        const std::vector<WarningRecord>& warnings, std::u16string_view updateTime,
        std::vector<std::u16string>* newTitles = nullptr) const;

    // Marks a warning read: empties its update time and sets its home-screen
    // flag to "0". Writes nothing when it is read already.
    [[nodiscard]] bool markOpened(std::u16string_view title) const;
    // Empties title, text and update time but keeps the ID, so the same warning
    // is not stored again.
    [[nodiscard]] bool removeWarning(std::u16string_view title) const;

    // Stored warnings with a non-empty update time.
    [[nodiscard]] std::optional<int> unreadCount() const;

    // The badge count after an update that stored `stored` new warnings.
    static int raisedUnreadCount(int current, int stored);

private:
    Volumes volumes_;
    WarningKind kind_;
};

}  // namespace store
