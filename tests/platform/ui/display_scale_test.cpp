// Display scale: the rule that picks it, and screens painted at scale 2 — twice the
// device pixels, the same logical layout and draw log, text drawn at the larger size
// rather than enlarged, pictures taken from their 2x files.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QPainter>
#include <cstdlib>
#include <filesystem>

#include "platform/device/DevicePath.h"
#include "platform/today/TodayCanvas.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/DisplayScale.h"
#include "platform/ui/WinDefs.h"

namespace {
namespace fs = std::filesystem;
using namespace platform::ui;

struct ScaleText {
    const char* text;
    std::optional<int> scale;
};

class ScaleTextTest : public ::testing::TestWithParam<ScaleText> {};

TEST_P(ScaleTextTest, OnlyOneToFourIsAScale) {
    EXPECT_EQ(parseDisplayScale(GetParam().text), GetParam().scale);
}

INSTANTIATE_TEST_SUITE_P(Texts, ScaleTextTest,
                         ::testing::Values(ScaleText{"1", 1}, ScaleText{"2", 2}, ScaleText{"3", 3},
                                           ScaleText{"4", 4}, ScaleText{"0", {}},
                                           ScaleText{"5", {}}, ScaleText{"2.0", {}},
                                           ScaleText{"12", {}}, ScaleText{"", {}},
                                           ScaleText{" 2", {}}, ScaleText{"x", {}},
                                           ScaleText{nullptr, {}}));

TEST(ScaleForDpi, FollowsTheBoundariesOfTheRule) {
    const std::vector<std::pair<double, int>> cases{{72, 1},  {96, 1},  {143, 1},   {143.9, 1},
                                                    {144, 2}, {192, 2}, {239.9, 2}, {240, 3},
                                                    {288, 3}, {336, 4}, {2000, 4}};
    for (const auto& [dpi, scale] : cases) EXPECT_EQ(scaleForDpi(dpi), scale) << dpi << " dpi";
}

class Sample final : public CDialog {
public:
    Sample() : CDialog(u"Sample") {}
    Picture picture;

protected:
    bool OnInitDialog() override {
        MakeFullScreen();
        return true;
    }
    void OnPaint(Canvas& canvas) override {
        canvas.drawText(u"晴雨匣 Weather 28℃", {10, 40, 230, 70}, DT_LEFT | DT_SINGLELINE,
                        FontChoice{u"", 18, true}, {0, 0, 0});
        canvas.drawPicture(picture, {20, 100, 68, 148});
    }
};

// Scale 2 is set before the application exists, as the programs do.
class ScaledScreens : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ::setenv("TEVALO_SCALE", "2", 1);
        applyDisplayScale("display_scale_test");
        static int argc = 1;
        static char name[] = "display_scale_test";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("display-scale-" + std::to_string(::getpid()));
        fs::create_directories(root_ / "Pics");
        platform::setDeviceRoot(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    static void writePicture(const fs::path& file, int side, QColor colour) {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(file.string())));
    }
    fs::path root_;
};

TEST_F(ScaledScreens, ScaleComesFromTheEnvironment) {
    EXPECT_EQ(displayScale(), 2);
}

TEST_F(ScaledScreens, FrameHasTwiceThePixelsAndTheSameLogicalDrawing) {
    Sample screen;
    screen.Create();
    const QImage& frame = screen.PaintNow();
    const DeviceDisplay display = deviceDisplay();
    EXPECT_EQ(frame.width(), display.width * 2);
    EXPECT_EQ(frame.height(), display.height * 2);
    EXPECT_EQ(screen.width(), display.width) << "the window keeps its logical size";
    const auto text = screen.drawLog().findText(u"晴雨匣 Weather 28℃");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->rect, (Rect{10, 40, 230, 70}));
}

TEST_F(ScaledScreens, TextIsDrawnAtTheLargerSizeNotEnlarged) {
    // The same text painted at 1x, enlarged pixel by pixel, against painting at 2x.
    QImage one(120, 40, QImage::Format_RGB32);
    one.setDevicePixelRatio(1);
    one.fill(Qt::white);
    QImage two(240, 80, QImage::Format_RGB32);
    two.setDevicePixelRatio(2);
    two.fill(Qt::white);
    for (QImage* image : {&one, &two}) {
        Canvas canvas(*image, nullptr);
        EXPECT_EQ(canvas.width(), 120);
        canvas.drawText(u"晴雨 Wx", {2, 2, 118, 38}, DT_LEFT | DT_SINGLELINE,
                        FontChoice{u"", 20, false}, {0, 0, 0});
    }
    const QImage enlarged = one.scaled(240, 80, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // Along the edges of the glyphs the enlarged picture repeats every pixel in 2 x 2
    // blocks; a picture drawn at 2x has finer steps, so many blocks differ inside.
    int blocks = 0;
    int finer = 0;
    for (int y = 0; y < 80; y += 2) {
        for (int x = 0; x < 240; x += 2) {
            if (enlarged.pixel(x, y) == qRgb(255, 255, 255)) continue;
            ++blocks;
            const QRgb first = two.pixel(x, y);
            finer += two.pixel(x + 1, y) != first || two.pixel(x, y + 1) != first ||
                     two.pixel(x + 1, y + 1) != first;
        }
    }
    ASSERT_GT(blocks, 20) << "no text was drawn";
    EXPECT_GT(finer, blocks / 4) << finer << " of " << blocks << " blocks have finer detail";
}

TEST_F(ScaledScreens, PicturesComeFromTheirFileForTheScale) {
    writePicture(root_ / "Pics" / "sun.png", 48, Qt::red);
    writePicture(root_ / "Pics" / "sun@2x.png", 96, Qt::blue);
    writePicture(root_ / "Pics" / "moon.png", 48, Qt::green);

    Picture sun(u"\\Pics\\sun.png");
    ASSERT_FALSE(sun.isNull());
    EXPECT_EQ(sun.image().width(), 96);
    EXPECT_EQ(sun.width(), 48) << "logical size is that of the 1x picture";
    EXPECT_EQ(sun.image().pixelColor(0, 0), QColor(Qt::blue));

    Picture moon(u"\\Pics\\moon.png");
    ASSERT_FALSE(moon.isNull()) << "without a 2x file the 1x picture still shows";
    EXPECT_EQ(moon.width(), 48);

    Sample screen;
    screen.picture = sun;
    screen.Create();
    const QImage& frame = screen.PaintNow();
    // Logical (20,100)-(68,148) covers device pixels (40,200)-(136,296) in blue.
    EXPECT_EQ(frame.pixelColor(41, 201), QColor(Qt::blue));
    EXPECT_EQ(frame.pixelColor(134, 294), QColor(Qt::blue));
    EXPECT_NE(frame.pixelColor(138, 298), QColor(Qt::blue));
}

TEST_F(ScaledScreens, TallSurfacesCopyTheLogicalPartAsked) {
    Surface list(100, 400, {255, 255, 255});
    EXPECT_EQ(list.width(), 100);
    EXPECT_EQ(list.image().width(), 200);
    {
        Canvas canvas = list.canvas();
        canvas.fillRect({0, 200, 100, 220}, {255, 0, 0});
    }
    QImage target(200, 200, QImage::Format_RGB32);
    target.setDevicePixelRatio(2);
    target.fill(Qt::white);
    Canvas canvas(target, nullptr);
    canvas.copyFrom(list, {0, 0, 100, 100}, 0, 190);
    // Logical rows 200-220 of the list land at rows 10-30, device rows 20-60.
    EXPECT_EQ(target.pixelColor(10, 18), QColor(Qt::white));
    EXPECT_EQ(target.pixelColor(10, 22), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(10, 58), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(10, 62), QColor(Qt::white));
}

// The home item draws through a plain pixel buffer; at scale 2 its off-screen band and
// its copies keep the item's logical layout on twice the pixels.
TEST_F(ScaledScreens, HomeItemBandCopiesItsLogicalPartAtTheScale) {
    QImage window(2 * 100, 2 * 40, QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::white);
    tevalo_today_dc dc{};
    dc.surface = {reinterpret_cast<uint32_t*>(window.bits()), window.width(), window.height(),
                  static_cast<int32_t>(window.bytesPerLine()), 2};

    platform::today::TodayBitmap band;
    band.create(100, 40, dc);
    EXPECT_EQ(band.height(), 40);
    EXPECT_EQ(band.image().height(), 80);
    {
        platform::today::TodayCanvas canvas(band.dc(), 12);
        canvas.fill({0, 10, 100, 20}, 0xFF0000);
    }
    platform::today::TodayCanvas canvas(dc, 12);
    canvas.copy(band.image(), {0, 0, 100, 30});
    // Logical rows 10-20 are device rows 20-40; nothing below logical row 30 is copied.
    const QImage shown = platform::today::surfaceImage(dc.surface);
    EXPECT_EQ(shown.pixelColor(50, 18), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(50, 22), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(50, 38), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(50, 42), QColor(Qt::white));
}

TEST_F(ScaledScreens, HomeItemPicturesComeFromTheirFileForTheScale) {
    writePicture(root_ / "Pics" / "rain.png", 20, Qt::red);
    writePicture(root_ / "Pics" / "rain@2x.png", 40, Qt::blue);
    QImage window(200, 80, QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::white);
    tevalo_today_dc dc{};
    dc.surface = {reinterpret_cast<uint32_t*>(window.bits()), window.width(), window.height(),
                  static_cast<int32_t>(window.bytesPerLine()), 2};
    {
        platform::today::TodayCanvas canvas(dc, 12);
        ASSERT_TRUE(canvas.picture((root_ / "Pics" / "rain.png").string(), {10, 10, 30, 30}));
    }
    EXPECT_EQ(window.pixelColor(21, 21), QColor(Qt::blue));
    EXPECT_EQ(window.pixelColor(58, 58), QColor(Qt::blue));
    EXPECT_EQ(window.pixelColor(62, 62), QColor(Qt::white));
}

}  // namespace
