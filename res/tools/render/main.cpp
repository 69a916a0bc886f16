// Renders the product's PNG pictures from the picture manifest.
//
//   tevalo_render_pictures MANIFEST OUTDIR PREFIX=FOLDER...
//
// Every picture of the manifest is written below OUTDIR, once for each display
// scale ("rain.png", "rain@2x.png" ... "rain@4x.png"), each composed from the
// sources at its own size; PREFIX=FOLDER pairs name the folders that layer
// sources ("w/rain.svg") are read from.

#include "PictureComposer.h"
#include "PictureManifest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: tevalo_render_pictures MANIFEST OUTDIR PREFIX=FOLDER...\n");
        return 2;
    }
    QHash<QString, QString> roots;
    for (qsizetype i = 3; i < args.size(); ++i) {
        const qsizetype eq = args[i].indexOf(u'=');
        if (eq <= 0) {
            std::fprintf(stderr, "bad source folder %s\n", qPrintable(args[i]));
            return 2;
        }
        roots.insert(args[i].left(eq), args[i].mid(eq + 1));
    }
    QFile manifestFile(args[1]);
    if (!manifestFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    std::vector<res::PictureRecipe> recipes;
    QString error;
    if (!res::PictureManifest::parse(QString::fromUtf8(manifestFile.readAll()), &recipes, &error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[1]), qPrintable(error));
        return 1;
    }
    res::PictureComposer composer(roots);
    const QDir out(args[2]);
    for (const res::PictureRecipe& recipe : recipes) {
        for (int scale = 1; scale <= res::kLargestScale; ++scale) {
            res::PictureRecipe scaled = recipe;
            scaled.size = recipe.size * scale;
            scaled.output = res::scaledPictureName(recipe.output, scale);
            const QImage image = composer.compose(scaled, &error);
            const QString path = out.filePath(scaled.output);
            if (image.isNull() || !QDir().mkpath(QFileInfo(path).path()) ||
                !image.save(path, "PNG")) {
                std::fprintf(
                    stderr, "%s: line %d: %s\n", qPrintable(args[1]), recipe.line,
                    qPrintable(error.isEmpty() ? QStringLiteral("cannot write ") + path : error));
                return 1;
            }
        }
    }
    std::printf("%zu pictures at scales 1 to %d\n", recipes.size(), res::kLargestScale);
    return 0;
}
