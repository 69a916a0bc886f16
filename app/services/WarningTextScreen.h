#pragma once

// The text of one warning. Showing a warning for the first time marks it read
// and lowers the service's unread count.

#include <string_view>

#include "app/services/ServiceTextScreen.h"
#include "app/services/WarningService.h"

namespace services {

class WarningTextScreen : public ServiceTextScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WarningTextScreen)

public:
    WarningTextScreen(const WarningService& service, app::AppContext& context,
                      platform::ui::CDialog* parent);

    // Title and text; with no text given, the stored warning of that title.
    void SetContent(std::u16string_view title, std::u16string_view text);

private:
    const WarningService& service_;
};

class tevaloDisasWeatherContent final : public WarningTextScreen {
public:
    tevaloDisasWeatherContent(app::AppContext& context, platform::ui::CDialog* parent)
        : WarningTextScreen(kDisasterWarnings, context, parent) {}
};

class CtevaloFireRemindContent final : public WarningTextScreen {
public:
    CtevaloFireRemindContent(app::AppContext& context, platform::ui::CDialog* parent)
        : WarningTextScreen(kFireWarnings, context, parent) {}
};

}  // namespace services
