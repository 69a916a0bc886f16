#include "app/services/ServicesScreens.h"

#include "app/services/CtevaloProfessionalServices.h"
#include "app/services/WarningListScreen.h"
#include "app/shell/ScreenLauncher.h"

namespace services {
namespace {

template <typename Screen>
app::ScreenFactory modal() {
    return [](app::AppContext& context, platform::ui::CDialog* parent) {
        Screen screen(context, parent);
        return screen.DoModal();
    };
}

}  // namespace

void registerServicesScreens(app::ScreenLauncher& launcher) {
    launcher.registerScreen(app::ScreenId::ProfessionalServices,
                            modal<CtevaloProfessionalServices>());
    launcher.registerScreen(app::ScreenId::DisasterWarnings, modal<CtevaloDisasWeather>());
    launcher.registerScreen(app::ScreenId::FireWarnings, modal<CtevaloFireRemind>());
}

}  // namespace services
