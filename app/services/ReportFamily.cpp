#include "app/services/ReportFamily.h"

#include "app/services/ServiceMenus.h"

namespace services {

using platform::ui::SoftKeyMenu;

const ReportFamily kTenDayReports{
    u"CtevaloWeatherXuenBao",
    u"CtevaloWeatherXuenBaoInfo",
    store::ReportKind::TenDay,
    weather::ReportKind::TenDay,
    50,
    50,
    u"更新详细信息失败",
    u"查看",
    {175, 32911, 32912, 32913, 32915, 33037},
    {204, 32981, 32983},
};

const ReportFamily kMonthlyReports{
    u"CtevaloWeatherYueBao",
    u"CtevaloWeatherYueBaoInfo",
    store::ReportKind::Monthly,
    weather::ReportKind::Monthly,
    40,
    8,
    std::nullopt,
    u"查看",
    {206, 32989, 32990, 32991, 32992, 33039},
    {208, 32996, 32997},
};

const ReportFamily kQuarterlyReports{
    u"CtevaloWeatherJiBao",
    u"CtevaloWeatherJiBaoInfo",
    store::ReportKind::Quarterly,
    weather::ReportKind::Quarterly,
    40,
    40,
    u"获取详细数据失败",
    u"查看 ",
    {211, 33002, 33003, 33004, 33005, 33035},
    {212, 33007, 33010},
};

SoftKeyMenu ReportFamily::listMenu() const {
    return titleListMenu({list.menu, list.back, list.view, list.update, list.remove, list.more},
                         std::u16string(viewCaption), u"更多");
}

SoftKeyMenu ReportFamily::textMenu() const {
    return forwardingTextMenu(text.menu, text.back, text.forward);
}

}  // namespace services
