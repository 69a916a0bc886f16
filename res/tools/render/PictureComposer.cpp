#include "PictureComposer.h"

#include <QFile>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <utility>

namespace res {

PictureComposer::PictureComposer(QHash<QString, QString> roots) : roots_(std::move(roots)) {}

QImage PictureComposer::compose(const PictureRecipe& recipe, QString* error) {
    QImage image(recipe.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    drawBackground(painter, recipe.size, recipe.background);
    for (const PictureLayer& layer : recipe.layers) {
        switch (layer.kind) {
            case PictureLayer::Kind::Svg:
                if (!drawSvg(painter, recipe.size, layer, error)) return {};
                break;
            case PictureLayer::Kind::Pips:
                drawPips(painter, recipe.size, layer);
                break;
            case PictureLayer::Kind::Badge:
                drawBadge(painter, recipe.size, layer);
                break;
        }
    }
    return image;
}

void PictureComposer::drawBackground(QPainter& painter, const QSize& size,
                                     const QString& background) const {
    if (background == QStringLiteral("-")) return;
    const QColor colour = QColor::fromString(background.mid(5));
    if (background.startsWith(QStringLiteral("fill:"))) {
        painter.fillRect(QRect(QPoint(0, 0), size), colour);
        return;
    }
    // A tile: rounded square, lighter at the top, with a thin darker rim. The
    // margin around it leaves room for the selection frame, which the screens
    // draw into the same square before the picture.
    const QRectF tile(size.width() * 0.1, size.height() * 0.1, size.width() * 0.8,
                      size.height() * 0.8);
    const double radius = size.width() * 0.17;
    QLinearGradient gradient(tile.topLeft(), tile.bottomLeft());
    gradient.setColorAt(0.0, colour.lighter(125));
    gradient.setColorAt(1.0, colour.darker(115));
    painter.setPen(QPen(colour.darker(140), size.width() / 48.0));
    painter.setBrush(gradient);
    painter.drawRoundedRect(tile, radius, radius);
}

QByteArray PictureComposer::loadSource(const QString& source, QString* error) {
    const auto cached = cache_.constFind(source);
    if (cached != cache_.constEnd()) return *cached;
    const qsizetype slash = source.indexOf(u'/');
    const QString root = slash > 0 ? roots_.value(source.left(slash)) : QString();
    if (root.isEmpty()) {
        *error = QStringLiteral("unknown source folder in ") + source;
        return {};
    }
    QFile file(root + source.mid(slash));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read ") + file.fileName();
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    // The weather set is animated; the still picture is the unanimated one.
    static const QRegularExpression animations(
        QStringLiteral("<(animate|animateTransform|animateMotion|set)\\b[^>]*?(/>|>.*?</\\1>)"),
        QRegularExpression::DotMatchesEverythingOption);
    text.remove(animations);
    const QByteArray bytes = text.toUtf8();
    cache_.insert(source, bytes);
    return bytes;
}

bool PictureComposer::drawSvg(QPainter& painter, const QSize& size, const PictureLayer& layer,
                              QString* error) {
    QByteArray bytes = loadSource(layer.source, error);
    if (bytes.isEmpty()) return false;
    if (layer.tint.isValid()) bytes.replace("currentColor", layer.tint.name().toLatin1());
    QSvgRenderer renderer(bytes);
    if (!renderer.isValid()) {
        *error = QStringLiteral("not a picture: ") + layer.source;
        return false;
    }
    const QRectF target(layer.box.x() * size.width(), layer.box.y() * size.height(),
                        layer.box.width() * size.width(), layer.box.height() * size.height());
    painter.save();
    if (layer.rotation != 0.0) {
        painter.translate(target.center());
        painter.rotate(layer.rotation);
        painter.translate(-target.center());
    }
    renderer.render(&painter, target);
    painter.restore();
    return true;
}

void PictureComposer::drawPips(QPainter& painter, const QSize& size,
                               const PictureLayer& layer) const {
    // A row of small bars along the bottom edge: the count and colours tell the
    // intensity of rain, snow or dust, which the glyphs alone cannot.
    const double w = size.width();
    const double h = size.height();
    const double pip = w * 0.12;
    const double gap = w * 0.035;
    const double count = static_cast<double>(layer.colours.size());
    const double total = count * pip + (count - 1) * gap;
    double x = (w - total) / 2;
    const double y = h * 0.86;
    painter.save();
    painter.setPen(QPen(QColor(0, 0, 0, 160), w / 60.0));
    for (const QColor& colour : layer.colours) {
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(x, y, pip, h * 0.11), pip * 0.25, pip * 0.25);
        x += pip + gap;
    }
    painter.restore();
}

void PictureComposer::drawBadge(QPainter& painter, const QSize& size,
                                const PictureLayer& layer) const {
    const double d = size.width() * 0.42;
    const QRectF circle(size.width() - d - size.width() * 0.01, size.height() * 0.01, d, d);
    painter.save();
    painter.setPen(QPen(Qt::white, size.width() / 32.0));
    painter.setBrush(layer.colours.front());
    painter.drawEllipse(circle);
    QFont font;
    font.setBold(true);
    font.setPixelSize(static_cast<int>(d * 0.7));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(circle, Qt::AlignCenter, layer.text);
    painter.restore();
}

}  // namespace res
