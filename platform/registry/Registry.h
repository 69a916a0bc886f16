#pragma once

// The device registry: keys under HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE
// holding string (REG_SZ) and number (REG_DWORD) values. Key paths use "\" and
// compare without regard to ASCII case, like the device's. The registry is one
// SQLite file; every call is its own transaction, so several processes may use
// it at once.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class RegistryHive { CurrentUser, LocalMachine };

enum class RegistryValueType : std::uint32_t { String = 1, Dword = 4 };  // REG_SZ, REG_DWORD

struct RegistryValue {
    std::u16string name;
    RegistryValueType type = RegistryValueType::String;
    std::u16string text;       // for String
    std::uint32_t number = 0;  // for Dword

    bool operator==(const RegistryValue&) const = default;
};

class Registry final {
public:
    // The registry of the current device (a file under the device root).
    static Registry forDevice();
    explicit Registry(std::filesystem::path file);

    // Creates the key and any missing parents; succeeds when it exists.
    [[nodiscard]] bool createKey(RegistryHive hive, std::u16string_view key) const;
    [[nodiscard]] bool keyExists(RegistryHive hive, std::u16string_view key) const;
    // Deletes the key with its values and subkeys.
    [[nodiscard]] bool deleteKey(RegistryHive hive, std::u16string_view key) const;
    // Names of the direct subkeys, in creation order.
    std::vector<std::u16string> subKeys(RegistryHive hive, std::u16string_view key) const;

    // Setting a value creates its key when missing.
    [[nodiscard]] bool setString(RegistryHive hive, std::u16string_view key,
                                 std::u16string_view name, std::u16string_view value) const;
    [[nodiscard]] bool setDword(RegistryHive hive, std::u16string_view key,
                                std::u16string_view name, std::uint32_t value) const;
    // A value of the other type reads as absent.
    [[nodiscard]] std::optional<std::u16string> getString(RegistryHive hive,
                                                          std::u16string_view key,
                                                          std::u16string_view name) const;
    [[nodiscard]] std::optional<std::uint32_t> getDword(RegistryHive hive, std::u16string_view key,
                                                        std::u16string_view name) const;
    [[nodiscard]] bool deleteValue(RegistryHive hive, std::u16string_view key,
                                   std::u16string_view name) const;
    std::vector<RegistryValue> values(RegistryHive hive, std::u16string_view key) const;

    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
};

// Where forDevice() keeps the registry inside the device root.
inline constexpr char16_t kRegistryFile[] = u"\\Windows\\registry.db";

}  // namespace platform
