#pragma once

#include "PictureRecipe.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace res {

// Reads the picture manifest: one picture per line,
//   output | WxH | background | layer; layer; ...
// where a layer is svg(source[, x y w h[, #tint[, degrees]]]),
// pips(#colour #colour ...) or badge(#colour, text). Blank lines and lines
// starting with '#' are skipped.
class PictureManifest final {
public:
    // Parses the whole text; on the first malformed line returns false and
    // describes it in *error.
    static bool parse(const QString& text, std::vector<PictureRecipe>* recipes, QString* error);

private:
    static bool parseLayer(const QString& text, PictureLayer* layer, QString* error);
    static bool parseSvg(const QStringList& args, PictureLayer* layer);
    static bool parsePips(const QStringList& args, PictureLayer* layer);
    static bool parseBadge(const QStringList& args, PictureLayer* layer);
};

}  // namespace res
