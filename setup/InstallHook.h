#pragma once

// Installation steps of the hook: the confirmation, then the program path,
// the home-screen item, the shortcut and the first start of the application.

#include <cstdint>
#include <string_view>

#include "platform/setup/SetupHook.h"

namespace setup {

struct InstallFailures {
    std::uint16_t directories = 0;
    std::uint16_t files = 0;
    std::uint16_t registryKeys = 0;
    std::uint16_t registryValues = 0;
    std::uint16_t shortcuts = 0;

    bool any() const { return directories || files || registryKeys || registryValues || shortcuts; }
};

int installInit(tevalo_setup_window parent);
int installExit(tevalo_setup_window parent, std::u16string_view installFolder,
                const InstallFailures& failures);

}  // namespace setup
