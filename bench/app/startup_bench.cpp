// Start-up of tevaloWeather: wall time from spawning the process to its first
// painted main menu (offscreen), the program's own measure of the same, and
// the peak resident memory of the process. The logo is dismissed at once, as
// a user tapping it, so the figure is the program's own work.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Run {
    double wallMs = 0;
    double selfMs = -1;
    double peakMb = 0;
    bool ok = false;
};

fs::path prepareDevice() {
    const fs::path payload = TEVALO_PAYLOAD_DIR;
    const fs::path root = fs::temp_directory_path() / ("tevalo-bench-" + std::to_string(getpid()));
    const fs::path install = root / "Program Files" / "tevaloWeather";
    fs::create_directories(install);
    std::error_code ec;
    for (const char* f : {"CityDatabase.vol", "SystemCityDatabase.vol"})
        fs::copy_file(payload / f, install / f, fs::copy_options::overwrite_existing, ec);
    fs::create_directory_symlink(payload / "tevalo", install / "tevalo", ec);
    return root;
}

Run startOnce(const fs::path& root) {
    int out[2];
    if (pipe(out) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string exe = (fs::path(TEVALO_PAYLOAD_DIR) / "tevaloWeather").string();
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("TEVALO_DEVICE_ROOT=" + root.string());
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    char arg0[] = "tevaloWeather";
    char arg1[] = "--first-paint";
    char* argv[] = {arg0, arg1, nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    Run run;
    if (rc != 0) {
        close(out[0]);
        return run;
    }
    std::string text;
    char buf[256];
    ssize_t n;
    while ((n = read(out[0], buf, sizeof buf)) > 0) {
        text.append(buf, static_cast<size_t>(n));
        if (run.wallMs == 0 && text.find("first-paint-ms") != std::string::npos)
            run.wallMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto pos = text.find("first-paint-ms ");
    if (pos != std::string::npos) run.selfMs = std::atof(text.c_str() + pos + 15);
    run.peakMb = usage.ru_maxrss / 1024.0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && run.selfMs >= 0;
    return run;
}

void BM_StartToFirstPaintedMainMenu(benchmark::State& state) {
    const fs::path root = prepareDevice();
    double wall = 0, self = 0, peak = 0;
    int runs = 0;
    for (auto _ : state) {
        const Run r = startOnce(root);
        if (!r.ok) {
            state.SkipWithError("tevaloWeather did not report its first paint");
            break;
        }
        state.SetIterationTime(r.wallMs / 1000.0);
        wall += r.wallMs;
        self += r.selfMs;
        peak = std::max(peak, r.peakMb);
        ++runs;
    }
    if (runs > 0) {
        state.counters["wall_ms"] = wall / runs;
        state.counters["in_process_ms"] = self / runs;
        state.counters["peak_rss_MB"] = peak;
    }
    std::error_code ec;
    fs::remove_all(root, ec);
}

BENCHMARK(BM_StartToFirstPaintedMainMenu)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace
