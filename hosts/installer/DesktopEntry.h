#pragma once

// A freedesktop menu entry on the host system for the program installed on a
// device, so that the desktop's menu starts it with that device.

#include <filesystem>

namespace installer {

// $XDG_DATA_HOME/applications (or ~/.local/share/applications).
std::filesystem::path applicationsFolder();

// The entry's file for the current device root (one per device).
std::filesystem::path desktopEntryFile();

bool writeDesktopEntry(const std::filesystem::path& program, const std::filesystem::path& icon);
void removeDesktopEntry();

}  // namespace installer
