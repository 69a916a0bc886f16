// tevalo-installer: installs the product's payload on a device or removes it.
//
//   tevalo-installer install [--payload DIR] [--device DIR] [--answer yes|no]
//                            [--no-menu-entry]
//   tevalo-installer remove  [--device DIR] [--answer yes|no]
//
// --device sets TEVALO_DEVICE_ROOT for the installer, the hook and the program
// the hook starts. Questions appear as dialogs; with --answer, or without a
// display, they are answered as told (yes by default) and every message is
// printed instead.

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "hosts/installer/Installer.h"
#include "platform/msgbox/MessageBox.h"
#include "platform/text/Utf.h"
#include "platform/ui/QtMessageBox.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: tevalo-installer install [--payload DIR] [--device DIR] "
                 "[--answer yes|no] [--no-menu-entry]\n"
                 "       tevalo-installer remove [--device DIR] [--answer yes|no]\n");
    return 2;
}

bool hasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && std::strcmp(platform, "offscreen") == 0) return false;
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

int forwardToHost(void*, tevalo_setup_window owner, const char16_t* text, const char16_t* caption,
                  unsigned type) {
    return platform::messageBox(owner, text ? text : u"", caption ? caption : u"", type);
}

// Installed from the system package, the payload lies in
// ../lib/tevalo-weather/payload;
// in a build folder, in the build's payload folder.
std::string defaultPayload() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    const auto packaged = self.parent_path().parent_path() / "lib" / "tevalo-weather" / "payload";
    if (!error && std::filesystem::is_directory(packaged, error)) return packaged.string();
    return TEVALO_DEFAULT_PAYLOAD;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    std::string payload = defaultPayload();
    std::string answer;
    bool menuEntry = true;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--no-menu-entry") {
            menuEntry = false;
            continue;
        }
        if (i + 1 >= argc) return usage();
        const std::string value = argv[++i];
        if (option == "--payload") {
            payload = value;
        } else if (option == "--device") {
            setenv("TEVALO_DEVICE_ROOT", value.c_str(), 1);
        } else if (option == "--answer" && (value == "yes" || value == "no")) {
            answer = value;
        } else {
            return usage();
        }
    }
    if (command != "install" && command != "remove") return usage();

    const bool interactive = answer.empty() && hasDisplay();
    if (!interactive) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    if (interactive) {
        platform::ui::QtMessageBox::install();
    } else {
        platform::setMessageBoxHandler([answer](const platform::MessageBoxRequest& request) {
            std::fprintf(stderr, "[%s] %s\n", platform::toUtf8(request.caption).c_str(),
                         platform::toUtf8(request.text).c_str());
            if ((request.type & platform::MB_TYPEMASK) == platform::MB_YESNO) {
                return answer == "no" ? platform::IDNO : platform::IDYES;
            }
            return platform::defaultAnswer(request.type);
        });
    }

    const tevalo_setup_host host{forwardToHost, nullptr};
    installer::Installer installer(nullptr, &host);
    installer.setMenuEntry(menuEntry);
    if (command == "remove") {
        if (!installer.remove()) {
            std::fprintf(stderr, "tevalo-installer: %s\n", installer.error().c_str());
            return 1;
        }
        std::printf("removed\n");
        return 0;
    }
    switch (installer.install(payload)) {
        case installer::InstallOutcome::Installed:
            std::printf("installed\n");
            return 0;
        case installer::InstallOutcome::Cancelled:
            std::printf("cancelled\n");
            return 3;
        case installer::InstallOutcome::Undone:
            std::printf("undone\n");
            return 4;
        case installer::InstallOutcome::Failed:
            break;
    }
    std::fprintf(stderr, "tevalo-installer: %s\n", installer.error().c_str());
    return 1;
}
