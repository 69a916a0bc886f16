#pragma once

// Registers the three forecast lists with the screen launcher, so that the
// main menu's first three items open them.

#include "app/shell/ScreenLauncher.h"

namespace app {

void registerForecastScreens(ScreenLauncher& launcher);

}  // namespace app
