#pragma once

#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace res {

// One drawing step of a picture. Geometry is given in fractions of the
// picture's size so that one manifest line serves any output size.
struct PictureLayer final {
    enum class Kind { Svg, Pips, Badge };

    Kind kind = Kind::Svg;
    QString source;                  // Svg: file below the icon roots
    QRectF box{0.0, 0.0, 1.0, 1.0};  // Svg: where the glyph goes
    QColor tint;                     // Svg: replaces currentColor when valid
    double rotation = 0.0;           // Svg: degrees clockwise about the box centre
    std::vector<QColor> colours;     // Pips: one pip per colour; Badge: fill
    QString text;                    // Badge: the text in the circle
};

// One output file of the manifest.
struct PictureRecipe final {
    QString output;  // path below the output folder, "Weather icon/Wu.png"
    QSize size;
    QString background;  // "-", "tile:#rrggbb" or "fill:#rrggbb"
    std::vector<PictureLayer> layers;
    int line = 0;  // manifest line, for messages
};

// Pictures are made for display scales 1 to kLargestScale.
inline constexpr int kLargestScale = 4;

// The file of a picture made for `scale`: "Wu.png" at 1, "Wu@2x.png" at 2.
inline QString scaledPictureName(const QString& output, int scale) {
    if (scale == 1) return output;
    const qsizetype dot = output.lastIndexOf(u'.');
    const QString suffix = QStringLiteral("@%1x").arg(scale);
    return dot < 0 ? output + suffix : output.left(dot) + suffix + output.mid(dot);
}

}  // namespace res
