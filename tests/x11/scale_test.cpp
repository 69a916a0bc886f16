// The product at TEVALO_SCALE=2 on a real display: the main menu and the home
// screen are twice as large as at scale 1 in both directions, and their text is
// drawn at the larger size rather than stretched: a nearest-neighbour
// enlargement of the scale-1 picture would match the scale-2 one exactly.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "tests/x11/support/RealDisplayTest.h"

namespace x11 {
namespace {

// Pixels of `area` whose colour differs by more than a faint shade between the
// two pictures.
int pixelsApart(const QImage& a, const QImage& b, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 48 || std::abs(qGreen(p) - qGreen(q)) > 48 ||
                std::abs(qBlue(p) - qBlue(q)) > 48)
                ++count;
        }
    }
    return count;
}

// A window's picture, as shown at one scale.
struct Shown {
    QRect geometry;
    QImage pixels;
};

class ScaleOnDisplay : public RealDisplayTest {
protected:
    // Room for the 480 x 640 window of scale 2 and a window manager's title bar.
    QSize screenSize() const override { return {800, 800}; }

    // The picture of the window titled `title` once it has stopped changing
    // (painting done).
    std::optional<Shown> settled(const std::string& title) {
        std::optional<Shown> shown;
        QImage previous;
        const bool steady = waitFor([&] {
            const auto window = windows_->find(title);
            if (!window) return false;
            const QImage now = grab(window->geometry);
            // A window not painted yet is one flat colour, and as steady.
            const bool painted =
                !now.isNull() && now.pixel(0, 0) != now.pixel(now.width() / 2, now.height() / 2);
            const bool same = painted && now == previous;
            previous = now;
            if (same) shown = Shown{window->geometry, now};
            return same;
        });
        return steady ? shown : std::nullopt;
    }

    std::optional<Shown> mainMenuAt(int scale) {
        setScale(scale);
        if (!startApplication()) return std::nullopt;
        auto shown = settled(kMainMenuTitle);
        application_->stop();
        if (!waitFor([&] { return !windows_->shown(kMainMenuTitle); })) return std::nullopt;
        return shown;
    }

    std::optional<Shown> homeAt(int scale) {
        setScale(scale);
        if (!startHome() || !waitFor([&] { return windows_->shown(kHomeTitle); }))
            return std::nullopt;
        auto shown = settled(kHomeTitle);
        home_->stop();
        if (!waitFor([&] { return !windows_->shown(kHomeTitle); })) return std::nullopt;
        return shown;
    }

    // Scale 2 is twice scale 1 both ways, and the text band `textArea` (in
    // scale-1 pixels) is drawn afresh, not enlarged.
    static void expectSharpDouble(const Shown& one, const Shown& two, const QRect& textArea) {
        EXPECT_EQ(two.geometry.size(), one.geometry.size() * 2);
        ASSERT_EQ(two.pixels.size(), one.pixels.size() * 2);
        const QImage stretched =
            one.pixels.scaled(two.pixels.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QRect area(textArea.topLeft() * 2, textArea.size() * 2);
        // Text drawn at the larger size has edges a stretched picture lacks; a
        // stretched window would give 0 here.
        EXPECT_GT(pixelsApart(stretched, two.pixels, area), area.width() * area.height() / 100);
        // The same layout: outside the edges the two pictures agree.
        const QRect whole = two.pixels.rect();
        EXPECT_LT(pixelsApart(stretched, two.pixels, whole), whole.width() * whole.height() / 5);
    }

    static constexpr char kHomeTitle[] = "今日";
};

TEST_P(ScaleOnDisplay, MainMenuIsTwiceAsLargeWithSharpText) {
    const auto one = mainMenuAt(1);
    ASSERT_TRUE(one) << windows_->describe() << "\n" << applicationOutput();
    EXPECT_EQ(one->geometry.size(), QSize(240, 320));
    const auto two = mainMenuAt(2);
    ASSERT_TRUE(two) << windows_->describe() << applicationOutput();
    // The band at the top holds the product's name and the date.
    expectSharpDouble(*one, *two, QRect(0, 0, 240, 26));
}

TEST_P(ScaleOnDisplay, HomeScreenIsTwiceAsLargeWithSharpText) {
    const auto one = homeAt(1);
    ASSERT_TRUE(one) << windows_->describe();
    const auto two = homeAt(2);
    ASSERT_TRUE(two) << windows_->describe();
    // The date line at the top of the home screen.
    expectSharpDouble(*one, *two, QRect(0, 0, one->geometry.width(), 26));
}

INSTANTIATE_TEST_SUITE_P(Both, ScaleOnDisplay, kWindowManagers, windowManagerName);

}  // namespace
}  // namespace x11
