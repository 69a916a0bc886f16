#pragma once

// The real message box behind platform::messageBox: a QMessageBox with the
// caption (or none), the buttons and icon of the type. Return answers the
// default button, Escape the cancelling one (No or Cancel; OK when alone).

#include "platform/msgbox/MessageBox.h"

namespace platform::ui {

class QtMessageBox final {
public:
    static int show(const MessageBoxRequest& request);
    // Makes QtMessageBox the process's message-box handler.
    static void install();
};

}  // namespace platform::ui
