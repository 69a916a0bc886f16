#pragma once

// Opens screens by id. The program registers a factory per screen that exists
// (app/main fills it from app_forecast, app_services, app_settings); opening an
// id without a factory does nothing and says nothing. A factory creates the
// screen with the context and its parent, runs it modally and returns the
// DoModal value.

#include <functional>
#include <map>

#include "app/shell/ScreenId.h"

namespace platform::ui {
class CDialog;
}

namespace app {

class AppContext;

using ScreenFactory = std::function<int(AppContext& context, platform::ui::CDialog* parent)>;

class ScreenLauncher final {
public:
    void registerScreen(ScreenId id, ScreenFactory factory);
    bool has(ScreenId id) const;
    // Runs the screen modally; false when no screen is registered for the id.
    bool open(ScreenId id, AppContext& context, platform::ui::CDialog* parent) const;

private:
    std::map<ScreenId, ScreenFactory> factories_;
};

}  // namespace app
