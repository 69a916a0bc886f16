#pragma once

// The device display the screens take whole: 240 x 320 with a 26-pixel task
// bar (the top margin every screen keeps) and a 26-pixel soft-key bar.
// TEVALO_DISPLAY=WxH (for example 320x240 or 480x640) chooses another size.

namespace platform::ui {

struct DeviceDisplay {
    int width = 240;
    int height = 320;
    int topMargin = 26;
    int softKeyHeight = 26;
};

// Reads TEVALO_DISPLAY on every call; a malformed value gives the default.
DeviceDisplay deviceDisplay();

// Parses "WxH"; sizes below 100 or above 4096 are refused.
bool parseDisplaySize(const char* text, int& width, int& height);

}  // namespace platform::ui
