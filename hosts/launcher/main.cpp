// tevalo: the command a user runs (and the desktop menu entry runs). See
// LauncherOptions.h for the command line.

#include <QCoreApplication>
#include <cstdio>

#include "hosts/launcher/Launcher.h"

int main(int argc, char** argv) {
    using namespace launcher;
    std::string error;
    const auto options = LauncherOptions::parse({argv + 1, argv + argc}, error);
    if (!options) {
        std::fprintf(stderr, "tevalo: %s\n%s", error.c_str(), LauncherOptions::usage());
        return 2;
    }
    if (options->action == LauncherAction::Help) {
        std::fputs(LauncherOptions::usage(), stdout);
        return 0;
    }
    if (options->action == LauncherAction::Version) {
        std::printf("tevalo %s\n", TEVALO_VERSION);
        return 0;
    }
    // The single-instance check talks over a local socket, which needs Qt's core.
    QCoreApplication application(argc, argv);
    Launcher launcher(*options, ProductFiles::find());
    return launcher.run();
}
