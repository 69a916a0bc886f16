#include "app/services/WarningService.h"

#include "app/services/ServiceMenus.h"
#include "platform/net/ServiceHost.h"
#include "platform/text/Utf.h"
#include "weather/RequestPath.h"

namespace services {

using platform::ui::MenuItem;
using platform::ui::SoftKeyMenu;

const WarningService kDisasterWarnings{
    u"CtevaloDisasWeather",
    u"tevaloDisasWeatherContent",
    store::WarningKind::Disaster,
    &weather::disasterWarningsPath,
    &app::StartupValues::disasterWarningCount,
    u"/soft_new?id=1",
    {136, 32808, 32807, 32809, 32810, 33024},
    {157, 32848, 32849},
};

const WarningService kFireWarnings{
    u"CtevaloFireRemind",
    u"CtevaloFireRemindContent",
    store::WarningKind::Fire,
    &weather::fireWarningsPath,
    &app::StartupValues::fireWarningCount,
    u"/soft_new?id=2",
    {155, 32843, 32842, 32844, 32845, 33022},
    {159, 32852, 32854},
};

SoftKeyMenu WarningService::listMenu() const {
    return titleListMenu({list.menu, list.back, list.view, list.update, list.remove, list.past},
                         u"查看", u"查看过往信息");
}

SoftKeyMenu WarningService::textMenu() const {
    return forwardingTextMenu(text.menu, text.back, text.forward);
}

std::u16string pastWarningsUrl(std::u16string_view page) {
    return u"http://" + platform::fromUtf8(platform::serviceHost().authority()) +
           std::u16string(page);
}

}  // namespace services
