#pragma once

// The titles of one kind of periodic report: "更新" fetches the title list,
// opening a report fetches its full text first, "删除" removes it, "更多"
// opens the service's site.

#include "app/services/ReportFamily.h"
#include "app/services/TitleListScreen.h"

namespace services {

class ReportListScreen : public TitleListScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportListScreen)

public:
    ReportListScreen(const ReportFamily& family, app::AppContext& context,
                     platform::ui::CDialog* parent);

    void Update();
    void DeleteSelected();

protected:
    std::optional<std::vector<std::u16string>> ListTitles() const override;
    void OpenRow(int row) override;
    void OnCommand(int id) override;

private:
    // Fetches the report's text into the store; false when it could not.
    bool fetchText(const std::u16string& title);

    const ReportFamily& family_;
};

class CtevaloWeatherXuenBao final : public ReportListScreen {
public:
    CtevaloWeatherXuenBao(app::AppContext& context, platform::ui::CDialog* parent)
        : ReportListScreen(kTenDayReports, context, parent) {}
};

class CtevaloWeatherYueBao final : public ReportListScreen {
public:
    CtevaloWeatherYueBao(app::AppContext& context, platform::ui::CDialog* parent)
        : ReportListScreen(kMonthlyReports, context, parent) {}
};

class CtevaloWeatherJiBao final : public ReportListScreen {
public:
    CtevaloWeatherJiBao(app::AppContext& context, platform::ui::CDialog* parent)
        : ReportListScreen(kQuarterlyReports, context, parent) {}
};

}  // namespace services
