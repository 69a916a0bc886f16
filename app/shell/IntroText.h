#pragma once

// The introduction shown by the logo dialog at start-up.

#include <string>

namespace app {

std::u16string introText();

}  // namespace app
