// What a person sees of the forecast lists, the highway list, the detail screens
// and the long texts on a real display: every city named in turn on the progress
// strip, one picture screen per Enter, the degree sign drawn with today's
// temperature ending clear of it, the last line of a long warning readable at the
// end of scrolling, and a checked box's tick.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <set>

#include "app/forecast/CityListGeometry.h"
#include "app/forecast/CityListPainter.h"
#include "platform/text/Utf.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/WinDefs.h"
#include "store/CityListStore.h"
#include "store/Volumes.h"
#include "store/WarningStore.h"
#include "tests/support/LightInk.h"
#include "tests/x11/support/DeviceLists.h"
#include "tests/x11/support/RealDisplayTest.h"

namespace x11 {
namespace {

namespace ui = platform::ui;

constexpr int kTopMargin = 26;  // the device display's task bar and soft-key bar

// How many pixels of two pictures of the same size differ noticeably.
int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height() + 1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            if (std::abs(qGray(p[col]) - qGray(q[col])) > 64) ++differing;
        }
    }
    return differing;
}

// The test draws what it expects with the product's own fonts and painters,
// which need a (headless) application of its own.
class ScreensOnDisplay : public RealDisplayTest {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "x11_screens_test";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
    }
};

struct ListCase {
    const char* name;
    int mainMenuItem;
    const char* title;
    store::CityList list;
};

const ListCase kUpdatingLists[] = {
    {"ThreeDay", 0, "泰沃天气", store::CityList::ThreeDay},
    {"Weekly", 1, "天气周报", store::CityList::Weekly},
};

using ProgressStripOnDisplay = ScreensOnDisplay;

// Each name stays on the strip while its city is stored (800 ms): a person
// reads every city in turn, not only the last one.
TEST_P(ProgressStripOnDisplay, NamesEveryCityInTurnOnBothLists) {
    for (const ListCase& c : kUpdatingLists) listCities(c.list, {u"北京", u"天津", u"成都"});
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    for (const ListCase& c : kUpdatingLists) {
        SCOPED_TRACE(c.name);
        openMainMenuItem(c.mainMenuItem);
        ASSERT_TRUE(waitForTop(c.title)) << windows_->describe();
        const auto window = windows_->find(c.title);
        ASSERT_TRUE(window);
        const QRect screen = window->geometry;
        const app::CityListGeometry geometry(screen.width(), screen.height(), kTopMargin, 3);
        const auto strip = geometry.progressStrip();
        const QRect stripOnScreen(screen.x(), screen.y() + strip.top, strip.width(),
                                  strip.height());
        // The strip as the list paints it for each name.
        std::vector<QImage> expected;
        const auto cities =
            store::CityListStore(store::Volumes::forDevice(), c.list).listByDefault();
        ASSERT_TRUE(cities);
        for (const auto& city : *cities) {
            QImage picture(screen.width(), screen.height(), QImage::Format_RGB32);
            {
                ui::Canvas canvas(picture, nullptr);
                app::CityListPainter::paintProgress(canvas, geometry,
                                                    u"正在更新数据：" + city.cityName, false);
            }
            expected.push_back(picture.copy(0, strip.top, strip.width(), strip.height()));
        }

        // "选项", Down to "天气更新", Return.
        input_->key("F2");
        for (int i = 0; i < 4; ++i) input_->key("Down");
        input_->key("Return");
        std::vector<std::size_t> seen;
        waitFor(
            [&] {
                // The name the strip shows now: the expected strip it is much
                // closer to than to any other.
                const QImage now = grab(stripOnScreen);
                std::vector<int> distance;
                for (const QImage& strip : expected)
                    distance.push_back(differingPixels(now, strip));
                const auto best = std::min_element(distance.begin(), distance.end());
                const auto index = static_cast<std::size_t>(best - distance.begin());
                bool unique = true;
                for (std::size_t i = 0; i < distance.size(); ++i)
                    if (i != index && distance[i] <= *best * 2) unique = false;
                if (unique && (seen.empty() || seen.back() != index)) seen.push_back(index);
                return seen.size() == expected.size();
            },
            std::chrono::seconds(30));
        std::vector<std::size_t> inTurn(expected.size());
        for (std::size_t i = 0; i < inTurn.size(); ++i) inTurn[i] = i;
        EXPECT_EQ(seen, inTurn) << "names seen on the strip, by list row";
        ASSERT_TRUE(waitFor([&] { return !messageOnTop(); }));
        input_->key("F1");
        ASSERT_TRUE(waitForTop(kMainMenuTitle)) << windows_->describe();
    }
}

INSTANTIATE_TEST_SUITE_P(Both, ProgressStripOnDisplay, kWindowManagers, windowManagerName);

using HighwayOnDisplay = ScreensOnDisplay;

// One Return, one picture screen: "返回" leads straight back to the list.
TEST_P(HighwayOnDisplay, EnterOpensThePictureOnceAndBackReturnsToTheList) {
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    openMainMenuItem(3);  // 专业服务
    ASSERT_TRUE(waitForScreen("CtevaloProfessionalServices")) << windows_->describe();
    input_->key("Down");  // the second row: 天气危报, 高速公路
    input_->key("Right");
    input_->key("Return");
    ASSERT_TRUE(waitForScreen("CtevaloHighway")) << windows_->describe();
    input_->key("Return");
    ASSERT_TRUE(waitForScreen("CtevaloHighwayImage")) << windows_->describe();
    input_->key("F1");  // "返回"
    EXPECT_TRUE(waitForScreen("CtevaloHighway")) << windows_->describe();
    input_->key("F1");
    EXPECT_TRUE(waitForScreen("CtevaloProfessionalServices")) << windows_->describe();
}

INSTANTIATE_TEST_SUITE_P(Both, HighwayOnDisplay, kWindowManagers, windowManagerName);

// Where a detail screen of size `screen` puts the degree sign: right-aligned 30
// pixels before the usable width (the scroll bar takes 13), its height measured
// in the dialog font; and where its ink lies when drawn alone in that place.
struct DegreeSignPlace {
    int usableWidth;
    ui::Rect box;
    std::optional<ui::Rect> ink;
};

DegreeSignPlace degreeSignPlace(const QRect& screen) {
    const QFontMetrics metrics(ui::Font::toQFont(ui::defaultFont()));
    const int signWidth = metrics.horizontalAdvance(QStringLiteral("℃"));
    const int signHeight = metrics.height();
    const int width = screen.width() - 13;
    const int signTop = 55 - signHeight * 3 / 2;
    const ui::Rect box{width - 30 - signWidth, signTop, width - 30, signTop + signHeight};
    const auto ink = testing_support::lightBounds(
        testing_support::textAlone(u"℃", box,
                                   ui::DT_LEFT | ui::DT_TOP | ui::DT_SINGLELINE | ui::DT_NOCLIP,
                                   ui::defaultFont(), screen.width(), screen.height()),
        box);
    return {width, box, ink};
}

using DegreeSignOnDisplay = ScreensOnDisplay;

// The detail of a city never updated shows the sample: "28/32" and the degree
// sign after it, which must leave ink on the screen, right of the temperature.
TEST_P(DegreeSignOnDisplay, TodaysTemperatureEndsInAVisibleDegreeSign) {
    const auto listed = listCities(store::CityList::ThreeDay, {u"成都"});
    ASSERT_EQ(listed.size(), 1u);
    const std::string city = platform::toUtf8(listed[0]);
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    openMainMenuItem(0);
    ASSERT_TRUE(waitForTop("泰沃天气")) << windows_->describe();
    input_->key("Return");
    ASSERT_TRUE(waitForTop(city)) << windows_->describe();
    const auto window = windows_->find(city);
    ASSERT_TRUE(window);
    const QRect screen = window->geometry;
    const DegreeSignPlace sign = degreeSignPlace(screen);
    ASSERT_TRUE(sign.ink) << "the test's own font draws no degree sign";
    std::optional<ui::Rect> shown;
    EXPECT_TRUE(waitFor(
        [&] {
            shown = testing_support::lightBounds(grab(screen), sign.box);
            return shown && std::abs(shown->left - sign.ink->left) <= 1 &&
                   std::abs(shown->right - sign.ink->right) <= 1;
        },
        std::chrono::seconds(5)))
        << "no degree sign where it belongs";
    input_->key("F1");
    EXPECT_TRUE(waitForTop("泰沃天气")) << windows_->describe();
}

INSTANTIATE_TEST_SUITE_P(Both, DegreeSignOnDisplay, kWindowManagers, windowManagerName);

using DetailWidthsOnDisplay = ScreensOnDisplay;

// Today's temperature is drawn 16 pixels a character (on average) from a start
// that leaves it the room of one character more than it has: the samples' five
// characters ("28/32", "27/33") stay within that room and end clear of the
// degree sign on both detail screens, with dark columns between them.
TEST_P(DetailWidthsOnDisplay, TemperatureEndsClearOfTheDegreeSign) {
    for (const ListCase& c : kUpdatingLists) listCities(c.list, {u"成都"});
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    for (const ListCase& c : kUpdatingLists) {
        SCOPED_TRACE(c.name);
        openMainMenuItem(c.mainMenuItem);
        ASSERT_TRUE(waitForTop(c.title)) << windows_->describe();
        input_->key("Return");
        ASSERT_TRUE(waitForTop("成都")) << windows_->describe();
        const auto window = windows_->find("成都");
        ASSERT_TRUE(window);
        const QRect screen = window->geometry;
        const DegreeSignPlace sign = degreeSignPlace(screen);
        ASSERT_TRUE(sign.ink);
        constexpr int kCharacters = 5;
        const int start = sign.box.left - sign.box.width() / 2 - 16 * (kCharacters + 1);
        // Everything lit in the temperature's rows above the weather picture (which
        // starts at y 50), from a little before its start up to the sign's first
        // lit column.
        const ui::Rect band{start - 4, 15, sign.ink->left, 50};
        std::optional<ui::Rect> temperature;
        EXPECT_TRUE(waitFor(
            [&] {
                temperature = testing_support::lightBounds(grab(screen), band);
                return temperature && temperature->left >= start - 1 &&
                       temperature->right <= sign.ink->left - 2 &&
                       temperature->width() <= 16 * (kCharacters + 1);
            },
            std::chrono::seconds(5)))
            << "temperature lit from " << (temperature ? temperature->left : -1) << " to "
            << (temperature ? temperature->right : -1) << "; drawn from " << start
            << ", sign lit from " << sign.ink->left;
        input_->key("F1");
        ASSERT_TRUE(waitForTop(c.title)) << windows_->describe();
        input_->key("F1");
        ASSERT_TRUE(waitForTop(kMainMenuTitle)) << windows_->describe();
    }
}

INSTANTIATE_TEST_SUITE_P(Both, DetailWidthsOnDisplay, kWindowManagers, windowManagerName);

using LongTextOnDisplay = ScreensOnDisplay;

// A warning taller than the display: scrolled to its end with Down, its last
// line is whole above the soft-key bar.
TEST_P(LongTextOnDisplay, LastLineOfAWarningIsWholeAtTheEnd) {
    std::u16string text;
    for (int i = 0; i < 30; ++i) {
        text += u"第";
        text += platform::fromInt(i);
        text += u"条：大风降温，注意防范。";
    }
    text += u"最后一句。";
    ASSERT_TRUE(store::WarningStore(store::Volumes::forDevice(), store::WarningKind::Disaster)
                    .add({u"5", u"长预警", text, u"", u"0"}));
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    openMainMenuItem(4);  // 灾害性天气
    ASSERT_TRUE(waitForScreen("CtevaloDisasWeather")) << windows_->describe();
    input_->key("Return");
    ASSERT_TRUE(waitForScreen("tevaloDisasWeatherContent")) << windows_->describe();
    const auto window = windows_->stack().back();
    const QRect screen = window.geometry;
    for (int i = 0; i < 40; ++i) input_->key("Down");

    // Where the text's ink ends, drawn as the text screen draws it, and where
    // the screen's bottom offset puts it.
    const std::u16string shownText = u"长预警\n" + text;
    const int textWidth = screen.width() - 18 - 10;
    const int textHeight = ui::Canvas::textHeight(shownText, textWidth, ui::defaultFont());
    const ui::Rect textRect{10, 10, screen.width() - 18, 10 + textHeight + 40};
    const auto ink = testing_support::lightBounds(
        testing_support::textAlone(shownText, textRect, ui::DT_LEFT | ui::DT_TOP | ui::DT_WORDBREAK,
                                   ui::defaultFont(), screen.width(), textRect.bottom),
        {0, 0, screen.width(), textRect.bottom});
    ASSERT_TRUE(ink);
    const int view = screen.height() - kTopMargin;
    const int bottomOffset = 10 + textHeight - view;
    const int lastRow = ink->bottom - 1 - bottomOffset;
    ASSERT_LT(lastRow, view);
    std::optional<ui::Rect> shownInk;
    EXPECT_TRUE(waitFor(
        [&] {
            shownInk =
                testing_support::lightBounds(grab(screen), {0, 0, screen.width() - 13, view});
            return shownInk && std::abs(shownInk->bottom - 1 - lastRow) <= 2;
        },
        std::chrono::seconds(10)))
        << "last ink at row " << (shownInk ? shownInk->bottom - 1 : -1) << ", expected " << lastRow
        << " of a " << view << "-pixel view";
}

INSTANTIATE_TEST_SUITE_P(Both, LongTextOnDisplay, kWindowManagers, windowManagerName);

using CheckBoxOnDisplay = ScreensOnDisplay;

// The settings screen's "是否自动更新" box is checked when it opens: its tick
// must show dark inside the white box, not white on white like the caption.
TEST_P(CheckBoxOnDisplay, TickOfTheAutomaticUpdateBoxIsVisible) {
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    openMainMenuItem(7);  // 系统设置
    ASSERT_TRUE(waitForScreen("CtevaloSystemSet")) << windows_->describe();
    const QRect screen = windows_->stack().back().geometry;
    // The 14-pixel box at the left end of the check box's row (x 10, y 26 + 52).
    const ui::Rect row{10, kTopMargin + 52, 24, kTopMargin + 78};
    int tick = 0;
    EXPECT_TRUE(waitFor(
        [&] {
            const QImage shown = grab(screen);
            const auto box = testing_support::lightBounds(shown, row);
            tick = 0;
            if (!box || box->width() < 8 || box->height() < 8) return false;
            for (int y = box->top + 3; y < box->bottom - 3; ++y)
                for (int x = box->left + 3; x < box->right - 3; ++x)
                    if (qGray(shown.pixel(x, y)) < 110) ++tick;
            return tick >= 6;
        },
        std::chrono::seconds(5)))
        << tick << " dark pixels in the box";
}

INSTANTIATE_TEST_SUITE_P(Both, CheckBoxOnDisplay, kWindowManagers, windowManagerName);

}  // namespace
}  // namespace x11
