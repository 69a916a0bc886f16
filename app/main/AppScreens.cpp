#include "app/main/AppScreens.h"

#include "app/settings/CtevaloHelp.h"
#include "app/settings/CtevaloSystemSet.h"

#ifdef TEVALO_HAVE_DESKTOP_DISPLAY
#include "app/settings/CtevaloDesktopDisplay.h"
#endif
#ifdef TEVALO_HAVE_FORECAST
#include "app/forecast/ForecastScreens.h"
#endif
#ifdef TEVALO_HAVE_SERVICES
#include "app/services/ServicesScreens.h"
#endif

namespace app {
namespace {

template <typename Screen>
ScreenFactory modal() {
    return [](AppContext& context, platform::ui::CDialog* parent) {
        Screen screen(context, parent);
        return screen.DoModal();
    };
}

}  // namespace

void registerAppScreens(ScreenLauncher& launcher) {
#ifdef TEVALO_HAVE_FORECAST
    registerForecastScreens(launcher);
#endif
#ifdef TEVALO_HAVE_SERVICES
    services::registerServicesScreens(launcher);
#endif
#ifdef TEVALO_HAVE_DESKTOP_DISPLAY
    launcher.registerScreen(ScreenId::DesktopSetting, modal<CtevaloDesktopDisplay>());
#endif
    launcher.registerScreen(ScreenId::SystemSettings, modal<CtevaloSystemSet>());
    launcher.registerScreen(ScreenId::Help, modal<CtevaloHelp>());
}

}  // namespace app
