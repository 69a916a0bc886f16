#include "app/forecast/CityListGeometry.h"

#include <algorithm>

namespace app {

CityListGeometry::CityListGeometry(int width, int height, int top, int rowCount)
    : width_(width), height_(height), top_(top), rowCount_(std::max(rowCount, 0)) {}

int CityListGeometry::listPictureHeight() const {
    const int needed = top_ + kRowHeight * rowCount_ + 140;
    return std::max(height_, needed);
}

CityListGeometry::Rect CityListGeometry::headerRect() const {
    return Rect{0, top_, width_ - 20, top_ + 20};
}

CityListGeometry::Rect CityListGeometry::rowPictureRect(int row) const {
    const int y = top_ + kRowHeight * row;
    return Rect{10, y + 20, 70, y + 80};
}

CityListGeometry::Point CityListGeometry::nameOrigin(int row) const {
    return Point{80, top_ + kRowHeight * row + 30};
}

CityListGeometry::Point CityListGeometry::weatherOrigin(int row) const {
    return Point{80, top_ + kRowHeight * row + 50};
}

CityListGeometry::Rect CityListGeometry::selectionRect(int row, int scrollOffset) const {
    const int right = scrollBarShown() ? width_ - kScrollBarWidth : width_;
    const int y = top_ + kRowHeight * row - scrollOffset;
    return Rect{0, y + 24, right, y + 74};
}

CityListGeometry::Rect CityListGeometry::rowHitRect(int row, int scrollOffset) const {
    const int y = top_ + kRowHeight * row - scrollOffset;
    const int right = scrollBarShown() ? width_ - kScrollBarWidth : width_;
    return Rect{0, y + 20, right, y + 20 + kRowHeight};
}

std::optional<int> CityListGeometry::rowAt(Point point, int scrollOffset) const {
    if (point.y < top_) return std::nullopt;
    const int listY = point.y + scrollOffset - top_ - 20;
    if (listY < 0) return std::nullopt;
    const int row = listY / kRowHeight;
    if (row >= rowCount_) return std::nullopt;
    return row;
}

CityListGeometry::Rect CityListGeometry::scrollBarRect() const {
    return Rect{width_ - kScrollBarWidth, top_, width_, height_ - 2 * top_};
}

CityListGeometry::Rect CityListGeometry::progressStrip() const {
    return Rect{0, height_ - 2 * top_, width_, height_ - top_};
}

CityListGeometry::Point CityListGeometry::progressOrigin(bool singleCity) const {
    return Point{singleCity ? 20 : 50, height_ - 2 * top_ + 10};
}

}  // namespace app
