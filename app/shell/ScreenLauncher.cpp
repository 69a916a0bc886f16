#include "app/shell/ScreenLauncher.h"

namespace app {

void ScreenLauncher::registerScreen(ScreenId id, ScreenFactory factory) {
    factories_[id] = std::move(factory);
}

bool ScreenLauncher::has(ScreenId id) const {
    return factories_.count(id) != 0;
}

bool ScreenLauncher::open(ScreenId id, AppContext& context, platform::ui::CDialog* parent) const {
    auto it = factories_.find(id);
    if (it == factories_.end() || !it->second) return false;
    it->second(context, parent);
    return true;
}

}  // namespace app
