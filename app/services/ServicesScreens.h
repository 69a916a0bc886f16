#pragma once

// Registers the screens of this module that the main menu opens: the
// professional services menu and the two warning lists.

namespace app {
class ScreenLauncher;
}

namespace services {

void registerServicesScreens(app::ScreenLauncher& launcher);

}  // namespace services
