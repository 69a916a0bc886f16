#include "tests/e2e/InstalledDevice.h"

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include "hosts/launcher/RunningProgram.h"
#include "platform/device/DevicePath.h"
#include "platform/window/WindowClass.h"
#include "tests/e2e/ChildProgram.h"

namespace e2e {
namespace fs = std::filesystem;

namespace {

fs::path binaryDir() {
    const char* binary = std::getenv("TEVALO_BINARY_DIR");
    return binary ? fs::path(binary) : fs::path(TEVALO_BUILD_DIR);
}

}  // namespace

InstalledDevice::InstalledDevice() {
    char pattern[] = "/tmp/tevalo-e2e-XXXXXX";
    root_ = ::mkdtemp(pattern);
    device_ = root_ / "device";
    fs::create_directories(device_);
    ::setenv("TEVALO_DEVICE_ROOT", device_.c_str(), 1);
    program_ = host(u"\\Program Files\\tevaloWeather\\tevaloWeather.exe");
}

InstalledDevice::~InstalledDevice() {
    stopApplication();
    ::unsetenv("TEVALO_DEVICE_ROOT");
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

fs::path InstalledDevice::host(std::u16string_view devicePath) const {
    return platform::hostPath(devicePath);
}

fs::path InstalledDevice::outputFile(const std::string& program) {
    return root_ / "output" / (std::to_string(++outputs_) + "-" + program + ".txt");
}

QProcessEnvironment InstalledDevice::environment(const std::string& clock) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TEVALO_DEVICE_ROOT"), QString::fromStdString(device_));
    // The installer writes its desktop entry below the XDG data folder.
    environment.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(root_ / "xdg"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("TEVALO_CLOCK"));
    if (!clock.empty()) {
        environment.insert(QStringLiteral("TEVALO_CLOCK"), QString::fromStdString(clock));
    }
    if (!locale_.empty()) {
        for (const QString& name : environment.keys()) {
            if (name.startsWith(QLatin1String("LC_")) || name == QLatin1String("LANGUAGE")) {
                environment.remove(name);
            }
        }
        environment.insert(QStringLiteral("LANG"), QString::fromStdString(locale_));
    }
    if (!serviceHost_.empty()) {
        environment.insert(QStringLiteral("TEVALO_SERVICE_HOST"),
                           QString::fromStdString(serviceHost_));
    }
    return environment;
}

ProgramRun InstalledDevice::run(const QString& program, const QStringList& arguments,
                                const std::string& clock, std::chrono::milliseconds wait) {
    ChildProgram child(program, arguments, environment(clock),
                       outputFile(fs::path(program.toStdString()).filename().string()));
    if (!child.start()) return {std::nullopt, "cannot start " + program.toStdString()};
    const auto code = child.finish(wait);
    return {code, child.output()};
}

ProgramRun InstalledDevice::installer(const std::string& command, const std::string& clock) {
    QStringList arguments{QString::fromStdString(command), QStringLiteral("--device"),
                          QString::fromStdString(device_), QStringLiteral("--answer"),
                          QStringLiteral("yes")};
    if (command == "install") {
        arguments << QStringLiteral("--payload")
                  << QString::fromStdString((binaryDir() / "payload").string());
    }
    return run(QStringLiteral(TEVALO_INSTALLER_PROGRAM), arguments, clock,
               std::chrono::seconds(30));
}

ProgramRun InstalledDevice::application(const std::vector<std::string>& arguments,
                                        const std::string& clock, std::chrono::milliseconds wait) {
    QStringList list;
    for (const auto& argument : arguments) list << QString::fromStdString(argument);
    return run(QString::fromStdString(program_.string()), list, clock, wait);
}

fs::path InstalledDevice::installedProgram() const {
    return program_;
}

std::vector<int> InstalledDevice::applicationProcesses() const {
    const auto found = launcher::processesRunning(program_);
    return {found.begin(), found.end()};
}

bool InstalledDevice::stopApplication() {
    if (applicationProcesses().empty()) return true;
    const bool closed =
        platform::closeWindowByClass(u"晴雨匣", 10000) &&
        waitUntil(std::chrono::seconds(5), [&] { return applicationProcesses().empty(); });
    // Whatever did not go is ended so that no test leaves a program behind.
    for (const int signal : {SIGTERM, SIGKILL}) {
        for (const int pid : applicationProcesses()) ::kill(pid, signal);
        // An ended process that nobody reaped yet has no program left to show.
        if (waitUntil(std::chrono::seconds(5), [&] { return applicationProcesses().empty(); })) {
            break;
        }
    }
    return closed;
}

}  // namespace e2e
