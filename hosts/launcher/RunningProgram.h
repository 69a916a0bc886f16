#pragma once

// Processes of this user that run a given program file, found through /proc:
// the application the setup hook starts is not the launcher's child, so the
// launcher finds it by its program file to wait for it and to end it.

#include <sys/types.h>
#include <filesystem>
#include <vector>

namespace launcher {

std::vector<pid_t> processesRunning(const std::filesystem::path& program);

}  // namespace launcher
