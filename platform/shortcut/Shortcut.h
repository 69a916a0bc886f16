#pragma once

// Shortcut files as the phone's shell writes them: one line, the length of the
// target text, "#", then the target (a device path, usually in double quotes
// so that blanks in it survive), stored as UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Creates the shortcut file at the device path; fails when the file exists
// (like the shell's SHCreateShortcut) or cannot be written.
bool createShortcut(std::u16string_view shortcutPath, std::u16string_view target);

// The target of a shortcut file, or nothing when it is missing or malformed.
std::optional<std::u16string> readShortcut(std::u16string_view shortcutPath);

}  // namespace platform
