#include "today/TodayPainter.h"

#include "today/TodayPaths.h"

namespace today {
namespace {

using platform::today::TextAlign;
using platform::today::TodayCanvas;

constexpr char16_t kNoDesktopCity[] = u"未设置桌面显示城市！";
constexpr char16_t kNoAlert[] = u"暂无新提示信息";
// The alert row holds a title of 30 units, terminator included.
constexpr std::size_t kAlertLength = 29;

}  // namespace

TodayPainter::TodayPainter(const tevalo_today_host& host, TodayItemState& state,
                           const TodayStore& store)
    : host_(host), state_(state), store_(store) {}

TodayLayout TodayPainter::layout() const {
    return TodayLayout(state_.clientWidth, state_.lineHeight);
}

uint32_t TodayPainter::colour(int which) const {
    return host_.colour(host_.context, which);
}

int TodayPainter::fontPixels() const {
    return host_.system_font_pixels(host_.context);
}

// Re-reads what the application or a scheduled update may have changed; a change
// of the stamp or of the desktop city forces a new rendering.
void TodayPainter::readStore() {
    const TodayPaintValues values = store_.paintValues();
    if (values.updateStamp && *values.updateStamp != state_.lastUpdateStamp) {
        state_.lastUpdateStamp = *values.updateStamp;
        state_.display.clear();
        state_.paintedWidth = 0;
    }
    if (!values.desktopCity) {
        state_.display.clear();
        state_.paintedWidth = 0;
    } else if (*values.desktopCity != state_.display.cityName()) {
        state_.display.loadCity(*values.desktopCity, values.cityDays);
        state_.paintedWidth = 0;
    }
    if (values.updateTimeSetting && *values.updateTimeSetting != state_.schedule.updateTimeText()) {
        state_.schedule.setUpdateTime(*values.updateTimeSetting);
    }
    // Kept once read; a failed read is tried again at the next paint.
    if (!state_.clientCode) state_.clientCode = values.clientCode;
    if (values.alertTitle) {
        state_.alertText = values.alertTitle->substr(0, kAlertLength);
        state_.alertPresent = true;
    } else {
        state_.alertText = kNoAlert;
        state_.alertPresent = false;
    }
}

void TodayPainter::paint(const tevalo_today_dc& dc) {
    readStore();
    const uint32_t textColour = colour(TEVALO_TODAY_COLOUR_TEXT);
    // The picture also follows the line height, which the first height query may set
    // after an early paint.
    const bool stale = state_.paintedWidth != state_.clientWidth ||
                       state_.memoryPicture.height() != layout().band().bottom;
    if (stale) {
        render(dc, textColour);
        state_.paintedWidth = state_.clientWidth;
    }
    TodayCanvas canvas(dc, fontPixels());
    canvas.copy(state_.memoryPicture.image(), layout().band());
    drawAlert(canvas, textColour);
    if (state_.selected) drawSelectedRow(canvas);
}

void TodayPainter::render(const tevalo_today_dc& logTo, uint32_t textColour) {
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

void TodayPainter::drawAlert(TodayCanvas& canvas, uint32_t textColour) {
    const auto geometry = layout();
    canvas.text(state_.alertText, geometry.alertText(), TextAlign::LeftVCentre, textColour);
    canvas.picture(picturePath(state_.alertPresent ? u"ZMYXX.png" : u"ZMWXX.png"),
                   geometry.alertPicture());
}

void TodayPainter::drawSelectedRow(TodayCanvas& canvas) {
    const auto geometry = layout();
    canvas.fill(geometry.cityRow(), colour(TEVALO_TODAY_COLOUR_HIGHLIGHT));
    canvas.text(state_.display.cityName(), geometry.cityText(), TextAlign::LeftTop,
                colour(TEVALO_TODAY_COLOUR_HIGHLIGHT_TEXT));
}

void TodayPainter::highlightNow() {
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
void TodayPainter::redrawNow() {
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

}  // namespace today
