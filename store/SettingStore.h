#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/SettingRecord.h"
#include "store/Volumes.h"

namespace store {

// The settings records of UserInformation.
class SettingStore final {
public:
    explicit SettingStore(Volumes volumes);

    [[nodiscard]] std::optional<SettingRecord> findById(std::u16string_view settingId) const;
    [[nodiscard]] std::optional<SettingRecord> findByName(std::u16string_view settingName) const;
    // Writes a new record or replaces the one with the same setting name.
    [[nodiscard]] bool store(const SettingRecord& setting) const;
    [[nodiscard]] bool updateByName(std::u16string_view settingName,
                                    const SettingRecord& setting) const;

    // The client code: the one in setting "21"; a new one, made from the
    // device's random source and stored, only when that setting is really
    // absent or empty (a new code that cannot be stored is still returned).
    // Nothing when the setting cannot be read (a busy or damaged volume): the
    // stored code, once made, never changes.
    std::optional<std::u16string> clientCode() const;

private:
    Volumes volumes_;
};

}  // namespace store
