#include "NotificationServerProcess.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>

extern char** environ;

namespace testing_support {

NotificationServerProcess::NotificationServerProcess()
    : log_(std::filesystem::temp_directory_path() /
           ("tevalo-notifications-" + std::to_string(getpid()) + "-" +
            std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".log")) {
    std::filesystem::remove(log_);
    int out[2];
    if (pipe(out) != 0) return;
    std::string program = TEVALO_NOTIFICATION_SERVER;
    std::string logPath = log_.string();
    char* argv[] = {program.data(), logPath.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv, environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    // The first line comes when the name is owned, or never when the server
    // failed (then the pipe ends).
    if (FILE* output = fdopen(out[0], "r")) {
        char line[16] = {};
        ready_ =
            pid_ > 0 && std::fgets(line, sizeof line, output) && std::string(line) == "ready\n";
        std::fclose(output);
    } else {
        close(out[0]);
    }
}

NotificationServerProcess::~NotificationServerProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    std::filesystem::remove(log_);
}

std::vector<ReceivedNotification> NotificationServerProcess::received() const {
    std::vector<ReceivedNotification> out;
    std::ifstream in(log_);
    std::string line;
    while (std::getline(in, line)) {
        const size_t first = line.find('\t');
        const size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos) continue;
        out.push_back({line.substr(0, first), line.substr(first + 1, second - first - 1),
                       line.substr(second + 1)});
    }
    return out;
}

}  // namespace testing_support
