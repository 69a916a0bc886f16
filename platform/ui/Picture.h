#pragma once

// A PNG picture loaded by its phone path, drawn stretched into a rectangle.
// A picture that failed to load is null and is never drawn. At display scale
// N > 1 the picture rendered for that scale ("name@Nx.png" next to the file)
// is taken when it exists, so it is drawn pixel for pixel, never enlarged.

#include <QImage>
#include <string>

namespace platform::ui {

class Picture final {
public:
    Picture() = default;
    explicit Picture(std::u16string devicePath) { load(std::move(devicePath)); }

    // Decodes the file again (screens reload their pictures each time they open).
    bool load(std::u16string devicePath);
    void reset();

    bool isNull() const { return image_.isNull(); }
    // The decoded pixels; their device pixel ratio is the scale they were made for.
    const QImage& image() const { return image_; }
    // The size in logical pixels (the 1x picture's size).
    int width() const;
    int height() const;
    const std::u16string& file() const { return file_; }

private:
    std::u16string file_;
    QImage image_;
};

}  // namespace platform::ui
