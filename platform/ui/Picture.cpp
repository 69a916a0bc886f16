#include "platform/ui/Picture.h"

#include <QString>

#include "platform/device/DevicePath.h"

namespace platform::ui {

bool Picture::load(std::u16string devicePath) {
    file_ = std::move(devicePath);
    const auto host = platform::hostPath(file_);
    image_ = QImage(QString::fromStdString(host.string()));
    return !image_.isNull();
}

void Picture::reset() {
    file_.clear();
    image_ = QImage();
}

}  // namespace platform::ui
