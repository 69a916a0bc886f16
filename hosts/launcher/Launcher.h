#pragma once

// tevalo's work: installs the product on the user's device on first use,
// starts the forecast service and then the application (or the home-screen
// item), and when that ends, ends every process it started, by id.

#include <filesystem>
#include <memory>
#include <string>

#include "hosts/launcher/InstallRecord.h"
#include "hosts/launcher/LauncherOptions.h"
#include "hosts/launcher/LocalService.h"
#include "hosts/launcher/ProductFiles.h"
#include "hosts/launcher/StopSignals.h"

namespace launcher {

class Launcher final {
public:
    Launcher(LauncherOptions options, ProductFiles files);

    // The exit code of tevalo.
    int run();

private:
    int runApplication();
    int runHome();
    int remove();

    bool ensureInstalled(bool& applicationStarted);
    bool startService();
    void stopService();
    // Waits for the program to end, or ends it when tevalo is told to stop.
    int waitFor(const std::filesystem::path& program, const std::vector<std::string>& arguments);
    int runInstaller(const std::vector<std::string>& arguments);

    LauncherOptions options_;
    ProductFiles files_;
    std::filesystem::path deviceRoot_;
    std::filesystem::path program_;  // the application installed on the device
    InstallRecord record_;
    StopSignals signals_;
    std::unique_ptr<LocalService> service_;
};

}  // namespace launcher
