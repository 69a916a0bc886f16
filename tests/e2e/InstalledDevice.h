#pragma once

// A temporary device for end-to-end runs: its root, the environment every program of
// the run gets (device root, service host, off-screen windows, a device clock), the
// installer host run against it, and the installed application found among the
// running processes. The test process itself uses the same device root, so the
// registry, the store and the window classes it reads are the device's.

#include <QProcessEnvironment>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

struct ProgramRun {
    std::optional<int> exitCode;  // nothing when it did not end in time
    std::string output;
};

class InstalledDevice final {
public:
    InstalledDevice();
    ~InstalledDevice();
    InstalledDevice(const InstalledDevice&) = delete;
    InstalledDevice& operator=(const InstalledDevice&) = delete;

    const std::filesystem::path& root() const { return root_; }
    const std::filesystem::path& deviceRoot() const { return device_; }
    std::filesystem::path host(std::u16string_view devicePath) const;

    void setServiceHost(const std::string& hostPort) { serviceHost_ = hostPort; }
    // Every program of the run gets `locale` as LANG and no other locale variable.
    void setLocale(const std::string& locale) { locale_ = locale; }
    // A new file for what one program of the run prints.
    std::filesystem::path outputFile(const std::string& program);
    // The environment of a program of the run; `clock` starts its device clock.
    QProcessEnvironment environment(const std::string& clock = {}) const;

    ProgramRun installer(const std::string& command, const std::string& clock = {});
    // The installed application, run to its end with `arguments`.
    ProgramRun application(const std::vector<std::string>& arguments, const std::string& clock,
                           std::chrono::milliseconds wait);

    std::filesystem::path installedProgram() const;
    // Processes running the installed application.
    std::vector<int> applicationProcesses() const;
    // Closes the running application the way the uninstaller does, also while it
    // shows its first-run pages. False when it did not go that way (it is then
    // ended with signals, so no test leaves it behind).
    bool stopApplication();

private:
    ProgramRun run(const QString& program, const QStringList& arguments, const std::string& clock,
                   std::chrono::milliseconds wait);

    std::filesystem::path root_;
    std::filesystem::path device_;
    std::filesystem::path program_;
    std::string serviceHost_;
    std::string locale_;
    int outputs_ = 0;
};

// Waits, polling, until `done` holds or `wait` has passed; the last result of `done`.
template <typename Done>
bool waitUntil(std::chrono::milliseconds wait, Done done) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

}  // namespace e2e
