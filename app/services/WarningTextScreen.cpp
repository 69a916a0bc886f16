#include "app/services/WarningTextScreen.h"

#include <algorithm>

namespace services {

WarningTextScreen::WarningTextScreen(const WarningService& service, app::AppContext& context,
                                     platform::ui::CDialog* parent)
    : ServiceTextScreen(std::u16string(service.textClass), context, parent, service.textMenu(),
                        {service.text.back, service.text.forward}),
      service_(service) {}

void WarningTextScreen::SetContent(std::u16string_view title, std::u16string_view text) {
    if (title.empty()) {
        SetShownText({});
        return;
    }
    std::u16string shown = std::u16string(title) + u"\n";
    if (!text.empty()) {
        SetShownText(shown + std::u16string(text));
        return;
    }
    const store::WarningStore warnings(Context().volumes(), service_.kind);
    const auto warning = warnings.findByTitle(title);
    if (warning) {
        shown += warning->text;
        if (!warning->updateTime.empty() && warnings.markOpened(title)) {
            int& unread = Context().values().*service_.unreadCount;
            unread = std::max(0, unread - 1);
        }
    }
    SetShownText(std::move(shown));
}

}  // namespace services
