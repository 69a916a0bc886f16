#include "hosts/launcher/RunningProgram.h"

namespace launcher {
namespace fs = std::filesystem;

std::vector<pid_t> processesRunning(const fs::path& program) {
    std::vector<pid_t> found;
    std::error_code error;
    const fs::path wanted = fs::weakly_canonical(program, error);
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code unreadable;  // other users' processes and ended ones
        const fs::path exe = fs::read_symlink(entry.path() / "exe", unreadable);
        if (unreadable) continue;
        // A program replaced or deleted while it runs shows as "<path> (deleted)".
        const std::string text = exe.string();
        if (text == wanted.string() || text == wanted.string() + " (deleted)") {
            found.push_back(static_cast<pid_t>(std::stol(name)));
        }
    }
    return found;
}

}  // namespace launcher
