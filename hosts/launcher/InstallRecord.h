#pragma once

// What the launcher remembers about the installation it made: the device root
// and the product version, in $XDG_DATA_HOME/tevalo/installed. A different
// version (the package was upgraded) means installing again, which keeps the
// user's data and refreshes the programs and reference tables.

#include <filesystem>
#include <string>

namespace launcher {

class InstallRecord final {
public:
    InstallRecord(std::filesystem::path file, std::filesystem::path deviceRoot,
                  std::string version);

    // True when this version was installed on this device and its program is there.
    bool current(const std::filesystem::path& installedProgram) const;
    bool remember() const;
    void forget() const;

    // $XDG_DATA_HOME/tevalo/installed (XDG_DATA_HOME defaults to ~/.local/share).
    static std::filesystem::path defaultFile();

private:
    std::string text() const;

    std::filesystem::path file_;
    std::filesystem::path deviceRoot_;
    std::string version_;
};

}  // namespace launcher
