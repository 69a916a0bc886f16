#include "tests/x11/support/ScreenGrab.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace x11 {

QImage grabScreen(const DisplayConnection& connection, const QRect& area) {
    Display* d = connection.display();
    XWindowAttributes root{};
    if (!XGetWindowAttributes(d, connection.root(), &root)) return {};
    const QRect whole(0, 0, root.width, root.height);
    const QRect wanted = area.isNull() ? whole : area.intersected(whole);
    if (wanted.isEmpty()) return {};
    XImage* shot = XGetImage(d, connection.root(), wanted.x(), wanted.y(), wanted.width(),
                             wanted.height(), AllPlanes, ZPixmap);
    if (!shot) return {};
    QImage image(wanted.size(), QImage::Format_RGB32);
    for (int y = 0; y < wanted.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < wanted.width(); ++x) {
            const unsigned long pixel = XGetPixel(shot, x, y);
            // Xvfb's 24-bit visual: 8 bits each of red, green and blue.
            line[x] = qRgb((pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff);
        }
    }
    XDestroyImage(shot);
    return image;
}

int pixelsOtherThan(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if ((image.pixel(x, y) & 0xffffff) != (colour & 0xffffff)) ++count;
        }
    }
    return count;
}

}  // namespace x11
