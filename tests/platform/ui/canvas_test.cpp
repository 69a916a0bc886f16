// The off-screen canvas and its draw log: what tests read must match what
// was really painted.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <filesystem>

#include "platform/device/DevicePath.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Display.h"
#include "platform/ui/WinDefs.h"

namespace {

using namespace platform::ui;
namespace fs = std::filesystem;

class CanvasRecords : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "canvas_test";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
    }
    void SetUp() override {
        root = fs::temp_directory_path() / ("canvas-test-" + std::to_string(::getpid()));
        fs::create_directories(root / "pics");
        platform::setDeviceRoot(root);
        QImage red(4, 4, QImage::Format_RGB32);
        red.fill(Qt::red);
        ASSERT_TRUE(red.save(QString::fromStdString((root / "pics" / "red.png").string())));
    }
    void TearDown() override {
        platform::setDeviceRoot({});
        fs::remove_all(root);
    }
    fs::path root;
};

TEST_F(CanvasRecords, PictureIsStretchedIntoItsRectangleAndLogged) {
    QImage target(100, 100, QImage::Format_RGB32);
    target.fill(Qt::white);
    DrawLog log;
    Picture pic(u"\\pics\\red.png");
    ASSERT_FALSE(pic.isNull());
    {
        Canvas c(target, &log);
        c.drawPicture(pic, {10, 10, 60, 30});
    }
    EXPECT_EQ(target.pixelColor(59, 29), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(61, 31), QColor(Qt::white));
    const auto op = log.findPicture(u"red.png");
    ASSERT_TRUE(op);
    EXPECT_EQ(op->rect, (Rect{10, 10, 60, 30}));
    EXPECT_EQ(op->file, u"\\pics\\red.png");
}

TEST_F(CanvasRecords, MissingPictureIsNeitherDrawnNorLogged) {
    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(Qt::white);
    DrawLog log;
    Picture missing(u"\\pics\\none.png");
    EXPECT_TRUE(missing.isNull());
    {
        Canvas c(target, &log);
        c.drawPicture(missing, {0, 0, 20, 20});
    }
    EXPECT_TRUE(log.ops().empty());
    EXPECT_EQ(target.pixelColor(5, 5), QColor(Qt::white));
}

TEST_F(CanvasRecords, TextKeepsRectangleAlignmentFontAndColour) {
    QImage target(200, 40, QImage::Format_RGB32);
    DrawLog log;
    {
        Canvas c(target, &log);
        c.fillRect({0, 0, 200, 40}, rgb(16, 77, 122));
        c.drawText(u"米多晴雨匣", {20, 0, 180, 26}, DT_RIGHT | DT_VCENTER | DT_SINGLELINE,
                   FontChoice{u"幼圆", 15, true}, kWhite);
    }
    const auto t = log.findText(u"米多晴雨匣");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->rect, (Rect{20, 0, 180, 26}));
    EXPECT_EQ(t->format, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(t->font, (FontChoice{u"幼圆", 15, true}));
    EXPECT_EQ(t->color, kWhite);
    EXPECT_EQ(log.fillAt(5, 5), rgb(16, 77, 122));
    // Something white was painted: the Chinese text has glyphs.
    int white = 0;
    for (int x = 20; x < 180; ++x)
        for (int y = 0; y < 26; ++y) white += target.pixelColor(x, y).lightness() > 200;
    EXPECT_GT(white, 10);
}

TEST_F(CanvasRecords, CopyFromCarriesOnlyTheVisiblePartOfTheSourceLogShifted) {
    Surface list(100, 600, kBlack);
    {
        Canvas c = list.canvas();
        c.drawText(u"row0", {0, 0, 100, 60}, DT_LEFT, defaultFont(), kWhite);
        c.drawText(u"row5", {0, 300, 100, 360}, DT_LEFT, defaultFont(), kWhite);
    }
    QImage target(100, 200, QImage::Format_RGB32);
    DrawLog log;
    {
        Canvas c(target, &log);
        c.copyFrom(list, {0, 26, 100, 226}, 0, 250);
    }
    EXPECT_FALSE(log.findText(u"row0"));
    const auto row5 = log.findText(u"row5");
    ASSERT_TRUE(row5);
    EXPECT_EQ(row5->rect, (Rect{0, 76, 100, 136}));
}

struct DisplayCase {
    const char* text;
    bool ok;
    int w, h;
};

class DisplaySizeParsing : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplaySizeParsing, AcceptsOnlySaneSizes) {
    const auto c = GetParam();
    int w = 0, h = 0;
    EXPECT_EQ(parseDisplaySize(c.text, w, h), c.ok) << (c.text ? c.text : "null");
    if (c.ok) {
        EXPECT_EQ(w, c.w);
        EXPECT_EQ(h, c.h);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, DisplaySizeParsing,
    ::testing::Values(DisplayCase{"240x320", true, 240, 320},
                      DisplayCase{"480X640", true, 480, 640},
                      DisplayCase{"320x240", true, 320, 240}, DisplayCase{"0x0", false, 0, 0},
                      DisplayCase{"240x", false, 0, 0}, DisplayCase{"240x320junk", false, 0, 0},
                      DisplayCase{"99999x320", false, 0, 0}, DisplayCase{nullptr, false, 0, 0}));

}  // namespace

// Fontconfig keeps its caches until the process ends (Qt never calls FcFini).
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
