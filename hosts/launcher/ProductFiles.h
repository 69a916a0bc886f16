#pragma once

// Where the launcher finds the rest of the product. Installed from the package,
// the programs sit next to it in /usr/bin and the payload in
// /usr/lib/tevalo-weather/payload; run from a build folder, the build's own places
// (compiled in) are used.

#include <filesystem>

namespace launcher {

struct ProductFiles {
    std::filesystem::path launcher;   // this program
    std::filesystem::path installer;  // tevalo-installer
    std::filesystem::path service;    // tevalo-service
    std::filesystem::path payload;    // the folder the installer installs from
    std::filesystem::path home;       // tevalo-home

    static ProductFiles find();
};

}  // namespace launcher
