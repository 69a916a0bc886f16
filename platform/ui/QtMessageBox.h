#pragma once

// The real message box: a QMessageBox with the caption (or none), the buttons
// and icon of the flags. Return answers the default button (the first one),
// Escape the cancelling one (No or Cancel; OK when it is alone).

#include <string>

class QWidget;

namespace platform::ui {

class QtMessageBox final {
public:
    static int show(QWidget* owner, std::u16string_view text, std::u16string_view caption,
                    unsigned flags);
};

}  // namespace platform::ui
