#include "app/shell/AppContext.h"

namespace app {

AppContext::AppContext(store::Volumes volumes, platform::Registry registry,
                       platform::ShellServices& shell, ScreenLauncher& launcher,
                       ServiceContacts contacts, weather::HttpClientOptions http)
    : volumes_(std::move(volumes)),
      registry_(std::move(registry)),
      shell_(shell),
      launcher_(launcher),
      contacts_(std::move(contacts)),
      http_(std::move(http)) {}

}  // namespace app
