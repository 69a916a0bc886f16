#pragma once

// The ten-day, monthly and quarterly reports are one family: this table holds
// what differs between them; the screens are one implementation.

#include <optional>
#include <string_view>

#include "platform/ui/SoftKeyMenu.h"
#include "store/ReportStore.h"
#include "weather/RequestPath.h"

namespace services {

struct ReportFamily {
    std::u16string_view listClass;
    std::u16string_view textClass;
    store::ReportKind table;
    weather::ReportKind request;
    int titleSizeFactor;
    int detailSizeFactor;
    // Shown when a report's text cannot be fetched; none for the monthly list.
    std::optional<std::u16string_view> detailFailure;
    std::u16string_view viewCaption;
    struct {
        int menu, back, view, update, remove, more;
    } list;
    struct {
        int menu, back, forward;
    } text;

    platform::ui::SoftKeyMenu listMenu() const;
    platform::ui::SoftKeyMenu textMenu() const;
};

extern const ReportFamily kTenDayReports;
extern const ReportFamily kMonthlyReports;
extern const ReportFamily kQuarterlyReports;

}  // namespace services
