#include "hosts/installer/SetupHookLibrary.h"

#include <dlfcn.h>

namespace installer {
namespace {

template <typename Fn>
Fn symbol(void* handle, const char* name) {
    return reinterpret_cast<Fn>(dlsym(handle, name));
}

}  // namespace

SetupHookLibrary::SetupHookLibrary(const std::filesystem::path& file) {
    handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* why = dlerror();
        error_ = why ? why : "cannot load " + file.string();
        return;
    }
    installInit = symbol<tevalo_install_init_fn>(handle_, TEVALO_SETUP_INSTALL_INIT);
    installExit = symbol<tevalo_install_exit_fn>(handle_, TEVALO_SETUP_INSTALL_EXIT);
    uninstallInit = symbol<tevalo_uninstall_init_fn>(handle_, TEVALO_SETUP_UNINSTALL_INIT);
    uninstallExit = symbol<tevalo_uninstall_exit_fn>(handle_, TEVALO_SETUP_UNINSTALL_EXIT);
    attachHost = symbol<tevalo_setup_attach_host_fn>(handle_, TEVALO_SETUP_ATTACH_HOST);
    if (!loaded()) error_ = file.string() + " lacks the installer's entry points";
}

SetupHookLibrary::~SetupHookLibrary() {
    if (handle_ != nullptr) dlclose(handle_);
}

}  // namespace installer
