#include "today/TodayItemWindow.h"

#include <string>

#include "today/TodayPaths.h"

namespace today {
namespace {

constexpr char16_t kCaption[] = u"提示";

}  // namespace

TodayItemWindow::TodayItemWindow(const tevalo_today_host& host)
    : host_(host),
      fetch_([this](std::u16string_view text, const char16_t* caption) {
          showMessage(text, caption);
      }),
      updater_(store_, fetch_,
               [this](std::u16string_view text, const char16_t* caption) {
                   showMessage(text, caption);
               }),
      painter_(host_, state_, store_) {
    handle_.proc = &TodayItemWindow::procedure;
    handle_.owner = this;
}

TodayItemWindow* TodayItemWindow::fromHandle(tevalo_today_item* item) {
    return item ? static_cast<Handle*>(item)->owner : nullptr;
}

intptr_t TodayItemWindow::procedure(tevalo_today_item* item, uint32_t message, uintptr_t wparam,
                                    intptr_t lparam) {
    auto* window = fromHandle(item);
    if (!window) return 0;
    if (message == TEVALO_TODAY_DESTROY) {
        delete window;
        return 0;
    }
    return window->message(message, wparam, lparam);
}

intptr_t TodayItemWindow::message(uint32_t message, uintptr_t wparam, intptr_t lparam) {
    readClientRect();
    switch (message) {
        case TEVALO_TODAY_PAINT:
            if (lparam) painter_.paint(*reinterpret_cast<const tevalo_today_dc*>(lparam));
            return 0;
        case TEVALO_TODAY_ERASE_BACKGROUND:
            if (lparam) {
                const tevalo_today_rect client{0, 0, state_.clientWidth, state_.clientHeight};
                host_.draw_watermark(host_.context,
                                     reinterpret_cast<const tevalo_today_dc*>(lparam), &client);
            }
            return 1;
        case TEVALO_TODAY_PEN_DOWN:
            painter_.highlightNow();
            return 0;
        case TEVALO_TODAY_PEN_UP:
            startApplication();
            return 0;
        case TEVALO_TODAY_QUERY_REFRESH:
            if (scheduleStep()) return 0;
            return heightQuery(reinterpret_cast<tevalo_today_item_desc*>(lparam));
        case TEVALO_TODAY_RECEIVED_SELECTION:
            state_.selected = true;
            return 1;
        case TEVALO_TODAY_LOST_SELECTION:
            state_.selected = false;
            return 0;
        case TEVALO_TODAY_USER_NAVIGATION:
            host_.invalidate(host_.context);
            if (wparam == TEVALO_TODAY_KEY_UP || wparam == TEVALO_TODAY_KEY_DOWN) {
                state_.selected = false;
            }
            return 0;
        case TEVALO_TODAY_ACTION:
            startApplication();
            return 0;
        default:
            return 0;
    }
}

void TodayItemWindow::readClientRect() {
    int32_t width = 0, height = 0;
    host_.client_size(host_.context, &width, &height);
    state_.clientWidth = width;
    state_.clientHeight = height;
}

bool TodayItemWindow::scheduleStep() {
    tevalo_today_time now{};
    host_.local_time(host_.context, &now);
    if (!state_.clientCode) state_.clientCode = store_.clientCode().value_or(std::u16string());
    const auto& code = *state_.clientCode;

    if (state_.schedule.forecastDue(now.hour, now.minute)) {
        if (updater_.updateForecast(code)) {
            painter_.redrawNow();
            return true;
        }
        state_.schedule.forecastFailed();
    }
    if (state_.schedule.warningsDue(now.hour, now.minute)) {
        const bool disasters = updater_.updateWarnings(store::WarningKind::Disaster, code);
        const bool fires = updater_.updateWarnings(store::WarningKind::Fire, code);
        if (disasters || fires) {
            host_.update_now(host_.context);
            return true;
        }
    }
    return false;
}

intptr_t TodayItemWindow::heightQuery(tevalo_today_item_desc* desc) {
    if (!desc) return 0;
    if (!host_.shell_ready(host_.context)) return 0;
    if (desc->height != 0) return 0;
    state_.lineHeight = TodayLayout::lineHeight(host_.system_font_pixels(host_.context));
    desc->height = TodayLayout::bandHeight(state_.lineHeight);
    return 1;
}

void TodayItemWindow::showMessage(std::u16string_view text, const char16_t* caption) {
    const std::u16string terminated(text);
    host_.message_box(host_.context, terminated.c_str(), caption, TEVALO_TODAY_MB_OK);
}

void TodayItemWindow::startApplication() {
    const auto path = applicationPath();
    if (!path) {
        showMessage(u"读注册表失败", kCaption);
        return;
    }
    if (!startProgram(*path)) showMessage(u"启动程序失败", kCaption);
}

}  // namespace today
