#include "platform/ui/Font.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <tuple>

namespace platform::ui {
namespace {

// The first of these families that is installed wins.
QString firstInstalled(const QStringList& wanted) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& f : wanted) {
        if (installed.contains(f)) return f;
    }
    return QString();
}

// Families with Chinese glyphs.
QString cjkFallback() {
    static const QString chosen = firstInstalled(
        {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Droid Sans Fallback", "AR PL UMing CN"});
    return chosen;
}

// A family with real outlines for the signs the CJK families leave empty
// ("℃" in WenQuanYi Micro Hei).
QString symbolFamily() {
    static const QString chosen = firstInstalled({"DejaVu Sans", "Liberation Sans", "FreeSans"});
    return chosen;
}

// The stretch (percent) that gives the font the wanted average character
// width; measured once per font.
int stretchFor(const QFont& natural, const FontChoice& choice) {
    using Key = std::tuple<std::u16string, int, bool, int>;
    static std::mutex guard;
    static std::map<Key, int> known;
    const Key key{choice.face, choice.pixelSize, choice.bold, choice.width};
    std::lock_guard lock(guard);
    if (auto it = known.find(key); it != known.end()) return it->second;
    const qreal average = QFontMetricsF(natural).averageCharWidth();
    int stretch = QFont::Unstretched;
    if (average > 0) stretch = static_cast<int>(std::lround(100.0 * choice.width / average));
    stretch = std::clamp(stretch, 1, 4000);
    known.emplace(key, stretch);
    return stretch;
}

}  // namespace

FontChoice defaultFont() {
    return FontChoice{u"", 12, false};
}

QStringList Font::families(const std::u16string& face) {
    QStringList families;
    const QString name = QString::fromStdU16String(face);
    // "幼圆" is a Chinese round face of the phone; fontconfig has no such name
    // here, so the CJK family stands in for it.
    if (!name.isEmpty() && name != QStringLiteral("幼圆")) families << name;
    for (const QString& f : {symbolFamily(), cjkFallback()}) {
        if (!f.isEmpty() && !families.contains(f)) families << f;
    }
    return families;
}

QFont Font::toQFont(const FontChoice& choice) {
    QFont font;
    const QStringList names = families(choice.face);
    if (!names.isEmpty()) font.setFamilies(names);
    font.setPixelSize(choice.pixelSize > 0 ? choice.pixelSize : 12);
    font.setBold(choice.bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (choice.width > 0) font.setStretch(stretchFor(font, choice));
    return font;
}

}  // namespace platform::ui
