#pragma once

// The colour pairs of the background numbers (setting "7"): the background of
// the main menu, the cover window and the detail views, and the band colour of
// the detail views. Numbers 2 and 3 ("皮肤三", "皮肤四") are this program's own
// choice: a dark green and a deep purple in the same spirit as the first two.
// Any other number shows as number 1.

#include <string>

#include "platform/ui/Geometry.h"

namespace app {

struct BackgroundColors {
    platform::ui::Color background;
    platform::ui::Color band;
};

inline constexpr int kSkinCount = 4;

BackgroundColors backgroundColors(int backgroundNumber);
// "青蓝色", "黑色", "皮肤三", "皮肤四"; the name of number 1 for others.
std::u16string skinName(int index);

}  // namespace app
