// The build-time picture renderer: manifest parsing and composition.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "PictureComposer.h"
#include "PictureManifest.h"

namespace {

using res::PictureComposer;
using res::PictureLayer;
using res::PictureManifest;
using res::PictureRecipe;

class MalformedManifestLine : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedManifestLine, IsRejectedWithItsLineNumber) {
    std::vector<PictureRecipe> recipes;
    QString error;
    const QString text = QStringLiteral("# pictures\n\nok.png | 4x4 | - | pips(#ffffff)\n") +
                         QString::fromUtf8(GetParam());
    EXPECT_FALSE(PictureManifest::parse(text, &recipes, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("line 4:"))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedManifestLine,
    ::testing::Values(
        "a.png | 10x10 | -", "a.png | 10 | - | ", "a.png | 0x10 | - | ", " | 10x10 | - | ",
        "../a.png | 10x10 | - | ", "a.png | 10x10 | tile:#zzzzzz | ", "a.png | 10x10 | blue | ",
        "a.png | 10x10 | - | circle(#ffffff)", "a.png | 10x10 | - | svg(w/../../secret.svg)",
        "a.png | 10x10 | - | svg(w/a.svg, 0 0 1)", "a.png | 10x10 | - | svg(w/a.svg, 0 0 1 x)",
        "a.png | 10x10 | - | svg(w/a.svg, 0 0 1 1, -, 90, 3)",
        "a.png | 10x10 | - | svg(w/a.svg, 0 0 1 1, #12)", "a.png | 10x10 | - | pips(#ff0000 red2)",
        "a.png | 10x10 | - | badge(#ff0000)"));

TEST(PictureManifest, ReadsEveryFieldOfALine) {
    std::vector<PictureRecipe> recipes;
    QString error;
    ASSERT_TRUE(
        PictureManifest::parse(QStringLiteral("Weather icon/Qing(BT).png | 100x60 | tile:#0ea5e9 | "
                                              "svg(w/clear-day.svg, 0.1 0.2 0.5 0.6, #ffffff, 90); "
                                              "pips(#ff0000 #00ff00); badge(#dc2626, !)\n"),
                               &recipes, &error))
        << error.toStdString();
    ASSERT_EQ(recipes.size(), 1u);
    const PictureRecipe& recipe = recipes[0];
    EXPECT_EQ(recipe.output, QStringLiteral("Weather icon/Qing(BT).png"));
    EXPECT_EQ(recipe.size, QSize(100, 60));
    EXPECT_EQ(recipe.background, QStringLiteral("tile:#0ea5e9"));
    ASSERT_EQ(recipe.layers.size(), 3u);
    EXPECT_EQ(recipe.layers[0].source, QStringLiteral("w/clear-day.svg"));
    EXPECT_EQ(recipe.layers[0].box, QRectF(0.1, 0.2, 0.5, 0.6));
    EXPECT_EQ(recipe.layers[0].tint, QColor(Qt::white));
    EXPECT_EQ(recipe.layers[0].rotation, 90.0);
    EXPECT_EQ(recipe.layers[1].colours.size(), 2u);
    EXPECT_EQ(recipe.layers[2].text, QStringLiteral("!"));
}

// Composes single-layer pictures from SVG files written for the test.
class PictureComposition : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        composer_ = std::make_unique<PictureComposer>(
            QHash<QString, QString>{{QStringLiteral("t"), dir_.path()}});
    }

    void writeSvg(const QString& name, const QByteArray& body) {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\">" + body +
                   "</svg>");
    }

    QImage compose(const QString& layers, QString* error = nullptr,
                   const QString& size = QStringLiteral("20x20")) {
        std::vector<PictureRecipe> recipes;
        QString parseError;
        EXPECT_TRUE(PictureManifest::parse(
            QStringLiteral("out.png | %1 | - | %2").arg(size, layers), &recipes, &parseError))
            << parseError.toStdString();
        QString composeError;
        const QImage image = composer_->compose(recipes.at(0), &composeError);
        if (error) *error = composeError;
        return image;
    }

    QTemporaryDir dir_;
    std::unique_ptr<PictureComposer> composer_;
};

TEST_F(PictureComposition, TintReplacesTheCurrentColour) {
    writeSvg(QStringLiteral("square.svg"),
             "<rect width=\"10\" height=\"10\" fill=\"currentColor\"/>");
    const QImage image = compose(QStringLiteral("svg(t/square.svg, 0 0 1 1, #00ff00)"));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(0, 255, 0));
}

// Animated glyphs must show their resting state, not a moment of the
// animation that may lie outside the picture.
TEST_F(PictureComposition, AnimationsAreLeftOut) {
    writeSvg(QStringLiteral("moving.svg"),
             "<rect width=\"10\" height=\"10\" fill=\"#ff0000\">"
             "<animateTransform attributeName=\"transform\" type=\"translate\" values=\"40 0; 40 "
             "0\" dur=\"1s\" "
             "repeatCount=\"indefinite\"/></rect>");
    const QImage image = compose(QStringLiteral("svg(t/moving.svg)"));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(255, 0, 0));
}

TEST_F(PictureComposition, RotationTurnsClockwiseAboutTheBoxCentre) {
    writeSvg(QStringLiteral("top.svg"), "<rect width=\"10\" height=\"5\" fill=\"#ff0000\"/>");
    const QImage image = compose(QStringLiteral("svg(t/top.svg, 0 0 1 1, -, 90)"));
    EXPECT_EQ(image.pixelColor(15, 10).red(), 255);  // the top half now lies on the right
    EXPECT_EQ(image.pixelColor(4, 10).alpha(), 0);
}

TEST_F(PictureComposition, MissingSourceFailsWithItsName) {
    QString error;
    EXPECT_TRUE(compose(QStringLiteral("svg(t/absent.svg)"), &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("absent.svg"))) << error.toStdString();
    EXPECT_TRUE(compose(QStringLiteral("svg(x/absent.svg)"), &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("unknown source folder"))) << error.toStdString();
}

TEST_F(PictureComposition, PipsShowOneMarkPerColourInOrder) {
    const QImage image = compose(QStringLiteral("pips(#ff0000 #00ff00 #0000ff)"), nullptr,
                                 QStringLiteral("100x100"));
    // Leftmost and rightmost column of each colour along the middle of the row.
    const QColor colours[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
    int first[3] = {-1, -1, -1};
    int last[3] = {-1, -1, -1};
    for (int x = 0; x < image.width(); ++x) {
        for (int i = 0; i < 3; ++i) {
            if (image.pixelColor(x, 91) != colours[i]) continue;
            if (first[i] < 0) first[i] = x;
            last[i] = x;
        }
    }
    for (int i = 0; i < 3; ++i) ASSERT_GE(first[i], 0) << i;
    EXPECT_LT(last[0], first[1]);
    EXPECT_LT(last[1], first[2]);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
