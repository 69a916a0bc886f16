#pragma once

// Starting a program of the device (the platform's CreateProcess without a
// command line): the phone path is mapped to its host file, the program runs
// on after the caller ends, and its output goes nowhere, so a caller whose
// own output is a closed pipe cannot take it down with it.

#include <string_view>

namespace platform {

// False when the file is missing or cannot be started. A phone program name
// ending in ".exe" also finds the host file without the extension.
bool startProgram(std::u16string_view devicePath);

}  // namespace platform
