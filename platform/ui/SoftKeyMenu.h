#pragma once

// A screen's soft-key bar as its menu resource defines it: the left key and
// the right key, each either a command or a pop-up of commands.

#include <string>
#include <vector>

namespace platform::ui {

struct MenuItem {
    int id = 0;  // command sent to OnCommand; 0 for a pop-up
    std::u16string text;
    std::vector<MenuItem> popup;  // not empty: the key opens this pop-up
};

struct SoftKeyMenu {
    int resourceId = 0;
    MenuItem left;
    MenuItem right;
};

}  // namespace platform::ui
