#pragma once

// Whether a text screen scrolled to its end shows the text's last line whole:
// where the ink of the text ends in the scrolled picture must lie inside the
// view above the soft-key bar, and the screen must show ink on that row.

#include <gtest/gtest.h>

#include "app/services/ServiceTextScreen.h"
#include "platform/ui/WinDefs.h"
#include "tests/support/LightInk.h"

namespace services_test {

inline void expectLastLineWhole(services::ServiceTextScreen& screen) {
    namespace ui = platform::ui;
    const ui::Rect textRect = screen.TextRect();
    const QImage alone = testing_support::textAlone(
        screen.ShownText(), textRect, ui::DT_LEFT | ui::DT_TOP | ui::DT_WORDBREAK,
        ui::defaultFont(), textRect.right + 20, textRect.bottom);
    const auto ink = testing_support::lightBounds(alone, {0, 0, alone.width(), alone.height()});
    ASSERT_TRUE(ink.has_value());
    const int view = screen.height() - screen.SoftKeyHeight();
    const int lastShownRow = ink->bottom - 1 - screen.ScrollOffset();
    EXPECT_LT(lastShownRow, view) << "the last line ends " << lastShownRow - view + 1
                                  << " pixels below the view";
    const auto shown =
        testing_support::lightBounds(screen.PaintNow(), {0, 0, screen.width() - 13, view});
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->bottom - 1, lastShownRow);
}

}  // namespace services_test
