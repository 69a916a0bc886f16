#include "platform/ui/LightText.h"

#include <QPalette>

namespace platform::ui {

void setLightText(QWidget& control) {
    QPalette palette = control.palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    control.setPalette(palette);
}

}  // namespace platform::ui
