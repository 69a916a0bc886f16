#pragma once

// The text of one periodic report, as last fetched into the store.

#include <string_view>

#include "app/services/ReportFamily.h"
#include "app/services/ServiceTextScreen.h"

namespace services {

class ReportTextScreen : public ServiceTextScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportTextScreen)

public:
    ReportTextScreen(const ReportFamily& family, app::AppContext& context,
                     platform::ui::CDialog* parent);

    // The title, a line feed and the stored text of the report with that title.
    void SetContent(std::u16string_view title);

private:
    const ReportFamily& family_;
};

class CtevaloWeatherXuenBaoInfo final : public ReportTextScreen {
public:
    CtevaloWeatherXuenBaoInfo(app::AppContext& context, platform::ui::CDialog* parent)
        : ReportTextScreen(kTenDayReports, context, parent) {}
};

class CtevaloWeatherYueBaoInfo final : public ReportTextScreen {
public:
    CtevaloWeatherYueBaoInfo(app::AppContext& context, platform::ui::CDialog* parent)
        : ReportTextScreen(kMonthlyReports, context, parent) {}
};

class CtevaloWeatherJiBaoInfo final : public ReportTextScreen {
public:
    CtevaloWeatherJiBaoInfo(app::AppContext& context, platform::ui::CDialog* parent)
        : ReportTextScreen(kQuarterlyReports, context, parent) {}
};

}  // namespace services
