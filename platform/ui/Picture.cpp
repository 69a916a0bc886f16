#include "platform/ui/Picture.h"

#include <QString>

#include "platform/device/DevicePath.h"
#include "platform/ui/DisplayScale.h"

namespace platform::ui {

bool Picture::load(std::u16string devicePath) {
    file_ = std::move(devicePath);
    const QString host = QString::fromStdString(platform::hostPath(file_).string());
    const int scale = displayScale();
    image_ = QImage();
    if (scale > 1 && host.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        image_ = QImage(host.left(host.size() - 4) + QStringLiteral("@%1x.png").arg(scale));
        if (!image_.isNull()) image_.setDevicePixelRatio(scale);
    }
    if (image_.isNull()) image_ = QImage(host);
    return !image_.isNull();
}

void Picture::reset() {
    file_.clear();
    image_ = QImage();
}

int Picture::width() const {
    return static_cast<int>(image_.deviceIndependentSize().width());
}

int Picture::height() const {
    return static_cast<int>(image_.deviceIndependentSize().height());
}

}  // namespace platform::ui
