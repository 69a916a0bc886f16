#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "store/SystemCityRecord.h"
#include "store/UserCityRecord.h"
#include "store/Volumes.h"

namespace store {

// The searchable city table of SystemCityDatabase.vol. The volume is never
// created: without it every call fails.
class SystemCityStore final {
public:
    explicit SystemCityStore(Volumes volumes);

    // All cities by City ID ascending.
    [[nodiscard]] std::optional<std::vector<SystemCityRecord>> listAll() const;
    [[nodiscard]] std::optional<SystemCityRecord> findByName(std::u16string_view name) const;
    // The first city, in City ID order, whose initials equal `initials`.
    [[nodiscard]] std::optional<SystemCityRecord> findByInitials(
        std::u16string_view initials) const;

    // The lookup of the add-city screens: the typed text is upper-cased; when it
    // starts with a letter A-Z it is taken as initials, otherwise as a name.
    [[nodiscard]] std::optional<SystemCityRecord> lookup(std::u16string_view typed) const;

private:
    Volumes volumes_;
};

// The city-list record made from a looked-up city (flags left empty).
UserCityRecord toUserCity(const SystemCityRecord& city);

}  // namespace store
