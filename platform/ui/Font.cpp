#include "platform/ui/Font.h"

#include <QFontDatabase>
#include <QStringList>

namespace platform::ui {
namespace {

// Families with Chinese glyphs, tried in order; the first one installed wins.
const QStringList& cjkFamilies() {
    static const QStringList families{"WenQuanYi Micro Hei", "Noto Sans CJK SC",
                                      "Droid Sans Fallback", "AR PL UMing CN"};
    return families;
}

QString cjkFallback() {
    static const QString chosen = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString& f : cjkFamilies()) {
            if (installed.contains(f)) return f;
        }
        return QString();
    }();
    return chosen;
}

}  // namespace

FontChoice defaultFont() {
    return FontChoice{u"", 12, false};
}

QFont Font::toQFont(const FontChoice& choice) {
    QString face = QString::fromStdU16String(choice.face);
    QFont font;
    QStringList families;
    // "幼圆" is a Chinese round face of the phone; fontconfig has no such name
    // here, so the CJK family stands in for it.
    if (!face.isEmpty() && face != QStringLiteral("幼圆")) families << face;
    const QString cjk = cjkFallback();
    if (!cjk.isEmpty()) families << cjk;
    if (!families.isEmpty()) font.setFamilies(families);
    font.setPixelSize(choice.pixelSize > 0 ? choice.pixelSize : 12);
    font.setBold(choice.bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace platform::ui
