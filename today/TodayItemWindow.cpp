#include "today/TodayItemWindow.h"

#include <string>

#include "today/TodayPaths.h"

namespace today {
namespace {

using platform::today::TextAlign;
using platform::today::TodayCanvas;

constexpr char16_t kNoDesktopCity[] = u"未设置桌面显示城市！";
constexpr char16_t kNoAlert[] = u"暂无新提示信息";
constexpr char16_t kCaption[] = u"提示";
// The alert row holds a title of 30 units, terminator included.
constexpr std::size_t kAlertLength = 29;

}  // namespace

TodayItemWindow::TodayItemWindow(const tevalo_today_host& host)
    : host_(host),
      fetch_([this](std::u16string_view text, const char16_t* caption) {
          showMessage(text, caption);
      }),
      updater_(store_, fetch_, [this](std::u16string_view text, const char16_t* caption) {
          showMessage(text, caption);
      }) {
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
            if (lparam) paint(*reinterpret_cast<const tevalo_today_dc*>(lparam));
            return 0;
        case TEVALO_TODAY_ERASE_BACKGROUND:
            if (lparam) {
                const tevalo_today_rect client{0, 0, state_.clientWidth, state_.clientHeight};
                host_.draw_watermark(host_.context,
                                     reinterpret_cast<const tevalo_today_dc*>(lparam), &client);
            }
            return 1;
        case TEVALO_TODAY_PEN_DOWN:
            penDown();
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

int TodayItemWindow::fontPixels() const {
    return host_.system_font_pixels(host_.context);
}

// Re-reads what the application or a scheduled update may have changed; a change
// of the stamp or of the desktop city forces a new rendering.
void TodayItemWindow::readStore() {
    if (const auto stamp = store_.updateStamp(); stamp && *stamp != state_.lastUpdateStamp) {
        state_.lastUpdateStamp = *stamp;
        state_.display.clear();
        state_.paintedWidth = 0;
    }
    if (const auto city = store_.desktopCity(); !city) {
        state_.display.clear();
        state_.paintedWidth = 0;
    } else if (*city != state_.display.cityName()) {
        state_.display.loadCity(*city, store_.cityDays(*city));
        state_.paintedWidth = 0;
    }
    if (const auto setting = store_.updateTimeSetting();
        setting && *setting != state_.schedule.updateTimeText()) {
        state_.schedule.setUpdateTime(*setting);
    }
    if (!state_.clientCode) state_.clientCode = store_.clientCode().value_or(std::u16string());
    if (const auto title = store_.alertTitle()) {
        state_.alertText = title->substr(0, kAlertLength);
        state_.alertPresent = true;
    } else {
        state_.alertText = kNoAlert;
        state_.alertPresent = false;
    }
}

void TodayItemWindow::paint(const tevalo_today_dc& dc) {
    readStore();
    const uint32_t textColour = colour(TEVALO_TODAY_COLOUR_TEXT);
    // The picture also follows the line height, which the first height query may set
    // after an early paint.
    const bool stale = state_.paintedWidth != state_.clientWidth ||
                       state_.memoryPicture.image().height() != layout().band().bottom;
    if (stale) {
        render(dc, textColour);
        state_.paintedWidth = state_.clientWidth;
    }
    TodayCanvas canvas(dc, fontPixels());
    canvas.copy(state_.memoryPicture.image(), layout().band());
    drawAlert(canvas, textColour);
    if (state_.selected) drawSelectedRow(canvas);
}

void TodayItemWindow::render(const tevalo_today_dc& logTo, uint32_t textColour) {
    const auto geometry = layout();
    auto& picture = state_.memoryPicture;
    picture.create(geometry.width(), geometry.band().bottom, logTo);
    TodayCanvas canvas(picture.dc(), fontPixels());
    canvas.note(TEVALO_TODAY_DRAW_RENDER, geometry.band());
    const tevalo_today_rect client{0, 0, state_.clientWidth, state_.clientHeight};
    host_.draw_watermark(host_.context, &picture.dc(), &client);

    auto& display = state_.display;
    if (display.cityName().empty()) {
        display.setCityName(kNoDesktopCity);
        canvas.text(display.cityName(), geometry.cityText(), TextAlign::LeftTop, textColour);
        return;
    }
    canvas.text(display.cityName(), geometry.cityText(), TextAlign::LeftTop, textColour);
    for (int n = 0; n < 3; ++n) {
        const auto& day = display.day(n);
        if (day.picture.empty() ||
            !canvas.picture(weatherPicturePath(day.picture), geometry.dayPicture(n))) {
            continue;  // a column without its picture stays empty
        }
        canvas.text(day.date, geometry.dayDate(n), TextAlign::CentreTop, textColour);
        canvas.text(day.temperature, geometry.dayTemperature(n), TextAlign::CentreTop, textColour);
    }
}

void TodayItemWindow::drawAlert(TodayCanvas& canvas, uint32_t textColour) {
    const auto geometry = layout();
    canvas.text(state_.alertText, geometry.alertText(), TextAlign::LeftVCentre, textColour);
    canvas.picture(picturePath(state_.alertPresent ? u"ZMYXX.png" : u"ZMWXX.png"),
                   geometry.alertPicture());
}

void TodayItemWindow::drawSelectedRow(TodayCanvas& canvas) {
    const auto geometry = layout();
    canvas.fill(geometry.cityRow(), colour(TEVALO_TODAY_COLOUR_HIGHLIGHT));
    canvas.text(state_.display.cityName(), geometry.cityText(), TextAlign::LeftTop,
                colour(TEVALO_TODAY_COLOUR_HIGHLIGHT_TEXT));
}

void TodayItemWindow::penDown() {
    tevalo_today_dc* dc = host_.get_dc(host_.context);
    if (!dc) return;
    {
        TodayCanvas canvas(*dc, fontPixels());
        drawSelectedRow(canvas);
    }
    host_.release_dc(host_.context, dc);
}

// Shows the freshly stored data at once, with the texts already held; the next paint
// picks up the new stamp and reloads them.
void TodayItemWindow::redrawNow() {
    tevalo_today_dc* dc = host_.get_dc(host_.context);
    if (!dc) return;
    const tevalo_today_rect client{0, 0, state_.clientWidth, state_.clientHeight};
    host_.draw_watermark(host_.context, dc, &client);
    const uint32_t textColour = colour(TEVALO_TODAY_COLOUR_TEXT);
    render(*dc, textColour);
    {
        TodayCanvas canvas(*dc, fontPixels());
        canvas.copy(state_.memoryPicture.image(), layout().band());
        drawAlert(canvas, textColour);
    }
    host_.release_dc(host_.context, dc);
}

bool TodayItemWindow::scheduleStep() {
    tevalo_today_time now{};
    host_.local_time(host_.context, &now);
    if (!state_.clientCode) state_.clientCode = store_.clientCode().value_or(std::u16string());
    const auto& code = *state_.clientCode;

    if (state_.schedule.forecastDue(now.hour, now.minute)) {
        if (updater_.updateForecast(code)) {
            redrawNow();
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
    state_.lineHeight = TodayLayout::lineHeight(fontPixels());
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
