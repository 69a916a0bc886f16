#pragma once

// Controls on the screens' dark backgrounds: their own text (the caption of a
// check box, a label) in white, while what they draw on their own white
// surfaces (the tick in a check box's box) keeps its dark colour. A style
// sheet colour would paint the tick white on white as well.

#include <QWidget>

namespace platform::ui {

void setLightText(QWidget& control);

}  // namespace platform::ui
