#pragma once

// What tells the disaster-weather and the fire warning services apart: their
// screens' class names, table, request, badge counter, page of past warnings
// and soft-key resources. Everything else is one implementation.

#include <span>
#include <string>
#include <string_view>

#include "app/shell/StartupValues.h"
#include "platform/ui/SoftKeyMenu.h"
#include "store/WarningStore.h"

namespace services {

struct WarningService {
    std::u16string_view listClass;
    std::u16string_view textClass;
    store::WarningKind kind;
    std::u16string (*requestPath)(std::span<const std::u16string> storedIds,
                                  std::u16string_view clientCode);
    int app::StartupValues::*unreadCount;
    std::u16string_view pastPage;  // path on the service host
    struct {
        int menu, back, view, update, remove, past;
    } list;
    struct {
        int menu, back, forward;
    } text;

    platform::ui::SoftKeyMenu listMenu() const;
    platform::ui::SoftKeyMenu textMenu() const;
};

extern const WarningService kDisasterWarnings;
extern const WarningService kFireWarnings;

// The page of past warnings on the configured service host.
std::u16string pastWarningsUrl(std::u16string_view page);

}  // namespace services
