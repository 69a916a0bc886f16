#include "tests/support/HeldVolume.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

extern char** environ;

namespace testing_support {

namespace {

// Reads the holder's first line; empty when it ended without one.
std::string firstLine(int fd) {
    std::string line;
    char c = 0;
    while (true) {
        const ssize_t n = read(fd, &c, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0 || c == '\n') break;
        line += c;
    }
    return line;
}

}  // namespace

HeldVolume::HeldVolume(const std::filesystem::path& volume, Lock lock) {
    int toHolder[2];
    int fromHolder[2];
    if (pipe2(toHolder, O_CLOEXEC) != 0) return;
    if (pipe2(fromHolder, O_CLOEXEC) != 0) {
        close(toHolder[0]);
        close(toHolder[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toHolder[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromHolder[1], STDOUT_FILENO);
    const std::string program = TEVALO_VOLUME_LOCK_HOLDER;
    const std::string path = volume.string();
    const std::string kind = lock == Lock::Write ? "write" : "exclusive";
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(path.c_str()),
                    const_cast<char*>(kind.c_str()), nullptr};
    const bool spawned = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(toHolder[0]);
    close(fromHolder[1]);
    input_ = toHolder[1];
    if (!spawned) pid_ = -1;
    held_ = spawned && firstLine(fromHolder[0]) == "held";
    close(fromHolder[0]);
    if (!held_) release();
}

HeldVolume::~HeldVolume() {
    release();
}

void HeldVolume::release() {
    if (input_ >= 0) close(input_);
    input_ = -1;
    if (pid_ > 0) {
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }
    pid_ = -1;
    held_ = false;
}

}  // namespace testing_support
