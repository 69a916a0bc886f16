#include "PictureManifest.h"

#include <QRegularExpression>

namespace res {
namespace {

bool parseColour(const QString& text, QColor* colour) {
    *colour = QColor::fromString(text.trimmed());
    return colour->isValid();
}

}  // namespace

bool PictureManifest::parse(const QString& text, std::vector<PictureRecipe>* recipes,
                            QString* error) {
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QString where = QStringLiteral("line %1: ").arg(i + 1);
        const QStringList fields = line.split(u'|');
        if (fields.size() != 4) {
            *error = where + QStringLiteral("expected output | size | background | layers");
            return false;
        }
        PictureRecipe recipe;
        recipe.line = i + 1;
        recipe.output = fields[0].trimmed();
        const QStringList size = fields[1].trimmed().split(u'x');
        bool okW = false;
        bool okH = false;
        if (size.size() == 2) recipe.size = QSize(size[0].toInt(&okW), size[1].toInt(&okH));
        if (!okW || !okH || recipe.size.isEmpty() || recipe.output.isEmpty() ||
            recipe.output.contains(QStringLiteral(".."))) {
            *error = where + QStringLiteral("bad output name or size");
            return false;
        }
        recipe.background = fields[2].trimmed();
        QColor unused;
        if (recipe.background != QStringLiteral("-") &&
            !((recipe.background.startsWith(QStringLiteral("tile:")) ||
               recipe.background.startsWith(QStringLiteral("fill:"))) &&
              parseColour(recipe.background.mid(5), &unused))) {
            *error = where + QStringLiteral("bad background ") + recipe.background;
            return false;
        }
        for (const QString& layerText : fields[3].split(u';', Qt::SkipEmptyParts)) {
            PictureLayer layer;
            QString layerError;
            if (!parseLayer(layerText.trimmed(), &layer, &layerError)) {
                *error = where + layerError;
                return false;
            }
            recipe.layers.push_back(layer);
        }
        recipes->push_back(recipe);
    }
    return true;
}

bool PictureManifest::parseLayer(const QString& text, PictureLayer* layer, QString* error) {
    static const QRegularExpression call(QStringLiteral("^(svg|pips|badge)\\((.*)\\)$"));
    const QRegularExpressionMatch m = call.match(text);
    if (!m.hasMatch()) {
        *error = QStringLiteral("bad layer ") + text;
        return false;
    }
    const QString kind = m.captured(1);
    const QStringList args = m.captured(2).split(u',');
    const bool ok = kind == QStringLiteral("svg")    ? parseSvg(args, layer)
                    : kind == QStringLiteral("pips") ? parsePips(args, layer)
                                                     : parseBadge(args, layer);
    if (!ok) *error = QStringLiteral("bad ") + kind + QStringLiteral(" layer ") + text;
    return ok;
}

// svg(source[, x y w h[, #tint or -[, degrees]]])
bool PictureManifest::parseSvg(const QStringList& args, PictureLayer* layer) {
    layer->kind = PictureLayer::Kind::Svg;
    layer->source = args[0].trimmed();
    if (layer->source.isEmpty() || layer->source.contains(QStringLiteral(".."))) return false;
    if (args.size() > 1) {
        const QStringList box = args[1].trimmed().split(u' ', Qt::SkipEmptyParts);
        if (box.size() != 4) return false;
        double v[4];
        for (int i = 0; i < 4; ++i) {
            bool ok = false;
            v[i] = box[i].toDouble(&ok);
            if (!ok) return false;
        }
        layer->box = QRectF(v[0], v[1], v[2], v[3]);
    }
    if (args.size() > 2 && args[2].trimmed() != QStringLiteral("-") &&
        !parseColour(args[2], &layer->tint)) {
        return false;
    }
    bool ok = true;
    if (args.size() > 3) layer->rotation = args[3].trimmed().toDouble(&ok);
    return ok && args.size() <= 4;
}

// pips(#colour #colour ...)
bool PictureManifest::parsePips(const QStringList& args, PictureLayer* layer) {
    layer->kind = PictureLayer::Kind::Pips;
    if (args.size() != 1) return false;
    for (const QString& c : args[0].split(u' ', Qt::SkipEmptyParts)) {
        QColor colour;
        if (!parseColour(c, &colour)) return false;
        layer->colours.push_back(colour);
    }
    return !layer->colours.empty();
}

// badge(#colour, text)
bool PictureManifest::parseBadge(const QStringList& args, PictureLayer* layer) {
    layer->kind = PictureLayer::Kind::Badge;
    QColor colour;
    if (args.size() != 2 || !parseColour(args[0], &colour)) return false;
    layer->colours.push_back(colour);
    layer->text = args[1].trimmed();
    return true;
}

}  // namespace res
