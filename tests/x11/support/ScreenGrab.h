#pragma once

// The pixels of a test's display as a person sees them: a grab of the root window,
// so windows, their stacking and what covers what all show.

#include <QImage>
#include <QRect>

#include "tests/x11/support/DisplayConnection.h"

namespace x11 {

// The whole screen, or `area` of it; a null image when the grab failed.
QImage grabScreen(const DisplayConnection& connection, const QRect& area = {});

// How many pixels of `area` in `image` differ from `colour` (an RGB value).
int pixelsOtherThan(const QImage& image, const QRect& area, QRgb colour);

}  // namespace x11
