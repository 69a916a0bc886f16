#pragma once

// The items registered with the home screen: subkeys of HKEY_LOCAL_MACHINE
// "Software\Microsoft\Today\Items" whose `Enabled` value is not 0, in `Order`.

#include <string>
#include <vector>

#include "hosts/home/TodayItemHost.h"
#include "platform/registry/Registry.h"

namespace home {

inline constexpr char16_t kTodayItemsKey[] = u"Software\\Microsoft\\Today\\Items";

struct TodayItemProblem {
    std::u16string name;
    std::string reason;
};

class TodayItemList final {
public:
    explicit TodayItemList(const platform::Registry& registry) : registry_(registry) {}

    // Enabled items with a usable library; the others, with the reason, in `problems`.
    std::vector<TodayItemEntry> enabledItems(std::vector<TodayItemProblem>& problems) const;

    // The host file of a library's device path. A "name.dll" that is not there is
    // looked for as "libname.so" in the same folder, the host's name for a library.
    static std::string libraryFile(std::u16string_view devicePath);

private:
    const platform::Registry& registry_;
};

}  // namespace home
