#pragma once

// What a screen drew in its last paint: texts with rectangle, alignment, font
// and colour; pictures with file name and rectangle; fills; lines. Tests assert
// on this instead of on pixels.

#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Font.h"
#include "platform/ui/Geometry.h"

namespace platform::ui {

struct DrawOp {
    enum class Kind { Text, Picture, Fill, Line };
    Kind kind = Kind::Fill;
    Rect rect;            // line: left/top is the start, right/bottom the end
    std::u16string text;  // Text
    unsigned format = 0;  // Text: DT_* flags
    FontChoice font;      // Text
    Color color;          // Text, Fill, Line
    std::u16string file;  // Picture: the device path it was loaded from
};

class DrawLog final {
public:
    void clear() { ops_.clear(); }
    void add(DrawOp op) { ops_.push_back(std::move(op)); }
    const std::vector<DrawOp>& ops() const { return ops_; }

    // First text op whose text equals `text`.
    std::optional<DrawOp> findText(std::u16string_view text) const;
    // First text op whose text contains `part`.
    std::optional<DrawOp> findTextContaining(std::u16string_view part) const;
    // Last picture op whose file name ends with `name` (the last drawn is on top).
    std::optional<DrawOp> findPicture(std::u16string_view name) const;
    // Every picture op whose file name ends with `name`, in drawing order.
    std::vector<DrawOp> pictures(std::u16string_view name) const;
    std::vector<std::u16string> texts() const;
    // Last fill covering the point, the colour seen there from fills alone.
    std::optional<Color> fillAt(int x, int y) const;

private:
    std::vector<DrawOp> ops_;
};

}  // namespace platform::ui
