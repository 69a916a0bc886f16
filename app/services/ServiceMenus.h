#pragma once

// The soft keys shared by the report and warning screens: a list with view,
// update, delete and one more entry, and a text screen that forwards.

#include <string>

#include "platform/ui/SoftKeyMenu.h"

namespace services {

struct TitleListKeys {
    int menu, back, view, update, remove, extra;
};

platform::ui::SoftKeyMenu titleListMenu(const TitleListKeys& keys, std::u16string viewCaption,
                                        std::u16string extraCaption);
platform::ui::SoftKeyMenu forwardingTextMenu(int menu, int back, int forward);

}  // namespace services
