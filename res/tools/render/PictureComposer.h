#pragma once

#include "PictureRecipe.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>

class QPainter;

namespace res {

// Paints manifest pictures: an optional rounded tile or fill, SVG glyphs from
// the icon sets (animations removed, currentColor tinted), intensity pips and
// a corner badge.
class PictureComposer final {
public:
    // roots maps a source prefix ("w", "l", "art") to a folder.
    explicit PictureComposer(QHash<QString, QString> roots);

    // Returns a null image and sets *error when a source cannot be read.
    QImage compose(const PictureRecipe& recipe, QString* error);

private:
    bool drawSvg(QPainter& painter, const QSize& size, const PictureLayer& layer, QString* error);
    void drawPips(QPainter& painter, const QSize& size, const PictureLayer& layer) const;
    void drawBadge(QPainter& painter, const QSize& size, const PictureLayer& layer) const;
    void drawBackground(QPainter& painter, const QSize& size, const QString& background) const;
    QByteArray loadSource(const QString& source, QString* error);

    QHash<QString, QString> roots_;
    QHash<QString, QByteArray> cache_;
};

}  // namespace res
