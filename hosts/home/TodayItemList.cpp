#include "hosts/home/TodayItemList.h"

#include <algorithm>
#include <filesystem>

#include "platform/device/DevicePath.h"
#include "platform/text/Utf.h"

namespace home {

std::string TodayItemList::libraryFile(std::u16string_view devicePath) {
    auto file = platform::hostPath(devicePath);
    if (!std::filesystem::exists(file) && file.extension() == ".dll") {
        const auto so = file.parent_path() / ("lib" + file.stem().string() + ".so");
        if (std::filesystem::exists(so)) file = so;
    }
    return file.string();
}

std::vector<TodayItemEntry> TodayItemList::enabledItems(
    std::vector<TodayItemProblem>& problems) const {
    using platform::RegistryHive;
    std::vector<TodayItemEntry> items;
    for (const auto& name : registry_.subKeys(RegistryHive::LocalMachine, kTodayItemsKey)) {
        const std::u16string key = std::u16string(kTodayItemsKey) + u"\\" + name;
        const auto dword = [&](std::u16string_view value) {
            return registry_.getDword(RegistryHive::LocalMachine, key, value).value_or(0);
        };
        if (dword(u"Enabled") == 0) continue;
        const auto library = registry_.getString(RegistryHive::LocalMachine, key, u"DLL");
        if (!library || library->empty()) {
            problems.push_back({name, "no DLL value"});
            continue;
        }
        TodayItemEntry entry;
        entry.name = name;
        entry.library = libraryFile(*library);
        entry.order = dword(u"Order");
        entry.type = dword(u"Type");
        entry.options = dword(u"Options");
        entry.flags = dword(u"Flags");
        entry.selectability = dword(u"Selectability");
        items.push_back(std::move(entry));
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return a.order < b.order; });
    return items;
}

}  // namespace home
