// The installer's entry points of tevaloNewsletterWeatherStupDll.

#include <string_view>

#include "platform/setup/SetupHook.h"
#include "setup/HookMessages.h"
#include "setup/InstallHook.h"
#include "setup/UninstallHook.h"

#define TEVALO_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::u16string_view folder(const char16_t* text) {
    return text == nullptr ? std::u16string_view() : std::u16string_view(text);
}

}  // namespace

TEVALO_EXPORT void tevalo_setup_attach_host(const tevalo_setup_host* host) {
    setup::attachHost(host);
}

TEVALO_EXPORT int Install_Init(tevalo_setup_window parent, int /*first_call*/,
                               int /*previously_installed*/, const char16_t* /*install_dir*/) {
    return setup::installInit(parent);
}

TEVALO_EXPORT int Install_Exit(tevalo_setup_window parent, const char16_t* install_dir,
                               uint16_t failed_dirs, uint16_t failed_files,
                               uint16_t failed_registry_keys, uint16_t failed_registry_values,
                               uint16_t failed_shortcuts) {
    const setup::InstallFailures failures{failed_dirs, failed_files, failed_registry_keys,
                                          failed_registry_values, failed_shortcuts};
    return setup::installExit(parent, folder(install_dir), failures);
}

TEVALO_EXPORT int Uninstall_Init(tevalo_setup_window parent, const char16_t* /*install_dir*/) {
    return setup::uninstallInit(parent);
}

TEVALO_EXPORT int Uninstall_Exit(tevalo_setup_window /*parent*/) {
    return codeUNINSTALL_EXIT_DONE;
}
