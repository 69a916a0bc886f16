// The library's one exported entry: the home screen's item initialisation.

#include "platform/today/TodayItem.h"
#include "today/TodayItemWindow.h"

extern "C" __attribute__((visibility("default"))) tevalo_today_item* tevalo_today_init_item(
    tevalo_today_item_desc* desc, const tevalo_today_host* host) {
    if (!desc || !desc->enabled || !host) return nullptr;
    auto* window = new today::TodayItemWindow(*host);
    return window->handle();
}
