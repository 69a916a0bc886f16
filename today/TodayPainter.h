#pragma once

// How the weather item paints: it reads what may have changed in the shared volume,
// renders the city row and the three day columns into its memory picture when the data
// or the width changed, and copies that picture before drawing the alert row and the
// selection over it.

#include "platform/today/TodayCanvas.h"
#include "platform/today/TodayItem.h"
#include "today/TodayItemState.h"
#include "today/TodayLayout.h"
#include "today/TodayStore.h"

namespace today {

class TodayPainter final {
public:
    TodayPainter(const tevalo_today_host& host, TodayItemState& state, const TodayStore& store);

    // The full paint of a paint message.
    void paint(const tevalo_today_dc& dc);
    // The highlighted city row, drawn at once on the item's window (pen down).
    void highlightNow();
    // The band rendered again and shown at once with the texts already held.
    void redrawNow();

private:
    TodayLayout layout() const;
    int fontPixels() const;
    uint32_t colour(int which) const;
    void readStore();
    void render(const tevalo_today_dc& logTo, uint32_t textColour);
    void drawAlert(platform::today::TodayCanvas& canvas, uint32_t textColour);
    void drawSelectedRow(platform::today::TodayCanvas& canvas);

    const tevalo_today_host& host_;
    TodayItemState& state_;
    const TodayStore& store_;
};

}  // namespace today
