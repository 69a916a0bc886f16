#pragma once

// AppContext: what every screen of the application receives from the one who
// opens it. It carries the infrastructure (the store's volumes, the device
// registry, the shell services, the launcher of the other screens, the service
// contacts) and the process-wide values of start-up (StartupValues).
//
// - Store: build the store class you need from volumes(), e.g.
//   store::SettingStore(ctx.volumes()); every store call is self-contained.
// - HTTP: http() is the application's client for the configured service host
//   (platform::serviceHost()); pass the screen as the owner window of its
//   messages: ctx.http().fetchInSteps(this, path, n).
// - Local time: platform::localTime() (tests install platform::FixedClock).
// - Messages: platform::messageBox(this, text, caption, type).
// - Composer, browser, tray notice, broadcast: shell().
// - Other screens: launcher().open(ScreenId, ctx, this).
//
// The context outlives every screen; screens hold a reference, never a copy.

#include "app/shell/ScreenLauncher.h"
#include "app/shell/ServiceContacts.h"
#include "app/shell/StartupValues.h"
#include "platform/registry/Registry.h"
#include "platform/shell/ShellServices.h"
#include "store/Volumes.h"
#include "weather/HttpClient.h"

namespace app {

class AppContext final {
public:
    AppContext(store::Volumes volumes, platform::Registry registry, platform::ShellServices& shell,
               ScreenLauncher& launcher, ServiceContacts contacts = {},
               weather::HttpClientOptions http = {});
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    const store::Volumes& volumes() const { return volumes_; }
    const platform::Registry& registry() const { return registry_; }
    platform::ShellServices& shell() const { return shell_; }
    ScreenLauncher& launcher() const { return launcher_; }
    const ServiceContacts& contacts() const { return contacts_; }
    const weather::HttpClient& http() const { return http_; }

    StartupValues& values() { return values_; }
    const StartupValues& values() const { return values_; }

private:
    store::Volumes volumes_;
    platform::Registry registry_;
    platform::ShellServices& shell_;
    ScreenLauncher& launcher_;
    ServiceContacts contacts_;
    weather::HttpClient http_;
    StartupValues values_;
};

}  // namespace app
