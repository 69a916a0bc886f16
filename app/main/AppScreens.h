#pragma once

// Registers every screen the main menu opens that this build contains.

#include "app/shell/ScreenLauncher.h"

namespace app {

void registerAppScreens(ScreenLauncher& launcher);

}  // namespace app
