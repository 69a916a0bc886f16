#pragma once

// How many device pixels a logical pixel of the screens takes. The screens keep
// their logical layout; Qt's device-pixel-ratio support makes windows, text and
// the off-screen canvas N times larger.
//
// TEVALO_SCALE=N (1 to 4) fixes the scale. Unset, it follows the screen's
// logical DPI: 1 up to 143 dpi, 2 from 144, 3 from 240 (Qt's rounding of
// DPI / 96).

#include <optional>
#include <string>

namespace platform::ui {

// Parses TEVALO_SCALE: "1" to "4"; anything else is nothing.
std::optional<int> parseDisplayScale(const char* text);

// The scale for a logical DPI, as the rule above.
int scaleForDpi(double logicalDpi);

// Call before the QApplication is made. Sets Qt's scaling to TEVALO_SCALE, or
// to the rounded screen scale when unset. A value that is not 1 to 4 is told
// on standard error (`program` names the teller) and ignored.
void applyDisplayScale(const char* program);

// The scale in effect (the application's device pixel ratio, rounded).
int displayScale();

}  // namespace platform::ui
