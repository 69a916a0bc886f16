#pragma once

// A scripted walk through the application for runs without a display: every
// screen that opens is painted and saved as a PNG into the output folder
// (numbered in the order reached), then answered the way a first-time user
// would: the logo is tapped away, the wizard pages are confirmed, each main
// menu item is opened and closed again, and finally the program exits.
// Message boxes are answered with their default button and listed on stdout.

#include <QString>
#include <filesystem>

namespace platform::ui {
class CDialog;
}

namespace app {

class Tour final {
public:
    explicit Tour(std::filesystem::path folder);
    // Installs the tour's observers; call before the main menu runs.
    void install();
    int saved() const { return saved_; }

private:
    void opened(platform::ui::CDialog& dialog);
    void save(platform::ui::CDialog& dialog, const QString& label);
    void walkMainMenu(platform::ui::CDialog& menu);

    std::filesystem::path folder_;
    int saved_ = 0;
};

}  // namespace app
