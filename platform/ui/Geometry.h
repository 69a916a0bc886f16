#pragma once

// Plain geometry and colour values of the drawing interface, shaped like the
// phone platform's RECT and COLORREF so screen code reads as it did there.

#include <cstdint>

namespace platform::ui {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool empty() const { return right <= left || bottom <= top; }
    // Right and bottom edges are outside, as on the platform.
    constexpr bool contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    constexpr Rect offset(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    constexpr Rect inset(int l, int t, int r, int b) const {
        return {left + l, top + t, right - r, bottom - b};
    }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

constexpr Color rgb(int r, int g, int b) {
    return Color{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                 static_cast<std::uint8_t>(b)};
}

inline constexpr Color kWhite = rgb(255, 255, 255);
inline constexpr Color kBlack = rgb(0, 0, 0);

}  // namespace platform::ui
