#include "hosts/launcher/Launcher.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "hosts/launcher/ChildProcess.h"
#include "hosts/launcher/RunningProgram.h"
#include "platform/device/DevicePath.h"
#include "platform/shell/HomeAutostart.h"
#include "platform/shell/SingleInstance.h"

namespace launcher {
namespace fs = std::filesystem;
namespace {

constexpr int kInstallerCancelled = 3;

void say(const std::string& text) {
    std::fprintf(stderr, "tevalo: %s\n", text.c_str());
}

}  // namespace

Launcher::Launcher(LauncherOptions options, ProductFiles files)
    : options_(std::move(options)),
      files_(std::move(files)),
      deviceRoot_(platform::canonicalDeviceRoot()),
      program_(platform::hostPath(u"\\Program Files\\tevaloWeather\\tevaloWeather.exe")),
      record_(InstallRecord::defaultFile(), deviceRoot_, TEVALO_VERSION) {
    // Every program started from here works on the same device and can find
    // the launcher again (the home item's login entry runs it).
    ::setenv("TEVALO_DEVICE_ROOT", deviceRoot_.c_str(), 1);
    ::setenv("TEVALO_LAUNCHER", files_.launcher.c_str(), 1);
}

int Launcher::run() {
    switch (options_.action) {
        case LauncherAction::Remove:
            return remove();
        case LauncherAction::Home:
            return runHome();
        default:
            return runApplication();
    }
}

int Launcher::runInstaller(const std::vector<std::string>& arguments) {
    ChildProcess installer;
    if (!installer.start(files_.installer.string(), arguments)) {
        say("cannot start the installer: " + installer.error());
        return 1;
    }
    return installer.wait();
}

bool Launcher::ensureInstalled(bool& applicationStarted) {
    applicationStarted = false;
    if (record_.current(program_)) return true;
    say("installing 晴雨匣 on your device " + deviceRoot_.string());
    // The package puts the menu entry in place; the installer adds none of its own.
    const int code = runInstaller({"install", "--payload", files_.payload.string(), "--device",
                                   deviceRoot_.string(), "--no-menu-entry"});
    if (code == kInstallerCancelled) {
        say("installation cancelled; nothing was installed");
        return false;
    }
    if (code != 0) {
        say("installation failed (installer exit code " + std::to_string(code) + ")");
        return false;
    }
    if (!record_.remember()) {
        say("installed, but cannot write " + InstallRecord::defaultFile().string() +
            "; the next start installs again (your data stays)");
    }
    // The setup hook starts the application once after installing.
    applicationStarted = !processesRunning(program_).empty();
    return true;
}

bool Launcher::startService() {
    if (!options_.service.empty()) {
        ::setenv("TEVALO_SERVICE_HOST", options_.service.c_str(), 1);
        return true;
    }
    std::string problem;
    const auto config = LauncherConfig::load(configFile(), problem);
    if (!config) {
        say(problem);
        return false;
    }
    if (!problem.empty()) say(problem);
    service_ = std::make_unique<LocalService>(files_.service);
    if (!service_->start(config->mode)) {
        say("the forecast service did not start: " + service_->error());
        return false;
    }
    ::setenv("TEVALO_SERVICE_HOST", service_->address().c_str(), 1);
    say(std::string("forecast service (") + modeName(service_->mode()) + ") on " +
        service_->address() + ", process " + std::to_string(service_->pid()));
    return true;
}

void Launcher::stopService() {
    if (service_) service_->stop();
}

int Launcher::waitFor(const fs::path& program, const std::vector<std::string>& arguments) {
    ChildProcess child;
    if (!child.start(program.string(), arguments)) {
        say("cannot start " + program.string() + ": " + child.error());
        return 1;
    }
    if (signals_.waitForEnd(child.pid()) == WaitResult::Signalled) {
        child.stop();
        return 128 + SIGTERM;
    }
    return child.wait();
}

int Launcher::runApplication() {
    platform::SingleInstance instance("tevaloWeather");
    if (instance.bringRunningToFront()) {
        say("晴雨匣 is already running; brought it to the front");
        return 0;
    }
    if (!startService()) return 1;
    bool started = false;
    if (!ensureInstalled(started)) {
        stopService();
        return 1;
    }
    int code = 0;
    if (started) {
        // Wait for the application the setup hook started; a stop signal ends it.
        for (const pid_t pid : processesRunning(program_)) {
            if (signals_.waitForEnd(pid) == WaitResult::Signalled) {
                for (const pid_t running : processesRunning(program_)) ::kill(running, SIGTERM);
                code = 128 + SIGTERM;
                break;
            }
        }
    } else {
        code = waitFor(program_, options_.applicationArguments);
    }
    stopService();
    return code;
}

int Launcher::runHome() {
    if (!record_.current(program_)) {
        say("晴雨匣 is not installed on this device yet; run tevalo once first");
        return 1;
    }
    if (!startService()) return 1;
    const int code = waitFor(files_.home, {});
    stopService();
    return code;
}

int Launcher::remove() {
    const int code = runInstaller({"remove", "--device", deviceRoot_.string()});
    if (code != 0) return code;
    record_.forget();
    if (!platform::HomeAutostart().set(false)) {
        say("cannot remove the login entry " + platform::HomeAutostart().file().string());
    }
    say("removed; your cities, forecasts, warnings and settings stay in " +
        platform::hostPath(u"\\Program Files\\tevaloWeather").string());
    return 0;
}

}  // namespace launcher
