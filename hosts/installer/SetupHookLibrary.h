#pragma once

// A package's setup hook library, loaded with dlopen, and its entry points.

#include <filesystem>
#include <string>

#include "platform/setup/SetupHook.h"

namespace installer {

class SetupHookLibrary final {
public:
    // Loads the library; error() says why when it failed.
    explicit SetupHookLibrary(const std::filesystem::path& file);
    ~SetupHookLibrary();
    SetupHookLibrary(const SetupHookLibrary&) = delete;
    SetupHookLibrary& operator=(const SetupHookLibrary&) = delete;

    bool loaded() const { return installInit && installExit && uninstallInit && uninstallExit; }
    const std::string& error() const { return error_; }

    tevalo_install_init_fn installInit = nullptr;
    tevalo_install_exit_fn installExit = nullptr;
    tevalo_uninstall_init_fn uninstallInit = nullptr;
    tevalo_uninstall_exit_fn uninstallExit = nullptr;
    tevalo_setup_attach_host_fn attachHost = nullptr;  // optional

private:
    void* handle_ = nullptr;
    std::string error_;
};

}  // namespace installer
