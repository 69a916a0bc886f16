#pragma once

// A PNG picture loaded by its phone path, drawn stretched into a rectangle.
// A picture that failed to load is null and is never drawn.

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
    const QImage& image() const { return image_; }
    const std::u16string& file() const { return file_; }

private:
    std::u16string file_;
    QImage image_;
};

}  // namespace platform::ui
