#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>

#include "app/services/CtevaloHighway.h"
#include "app/services/CtevaloHighwayImage.h"
#include "platform/media/RecordingMediaPlayer.h"
#include "tests/support/ScreenHarness.h"

using namespace platform::ui;
using platform::MediaEvent;
using services::CtevaloHighway;
using services::CtevaloHighwayImage;
using testing_support::ScreenHarness;

namespace {

constexpr const char* kPicture = "Professional Servicesl icon/Highway/Highway_1.png";

// The highway screens with the road video recorded instead of played.
class HighwayWeather : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(h.ensurePictures({}) /
                                            "Professional Servicesl icon/Highway");
        h.ensurePictures({kPicture});
        previous = platform::setMediaPlayerFactory(media.factory());
    }
    void TearDown() override { platform::setMediaPlayerFactory(previous); }

    ScreenHarness h;
    platform::MediaLog media;
    platform::MediaPlayerFactory previous;
};

}  // namespace

TEST_F(HighwayWeather, ListsTheTenExpresswaysInALargeBoldFont) {
    CtevaloHighway list(h.context(), nullptr);
    h.show(list);
    QListWidget* view = list.List();
    ASSERT_EQ(view->count(), 10);
    EXPECT_EQ(view->item(0)->text(), QString("成雅高速"));
    EXPECT_EQ(view->item(9)->text(), QString("城北高速"));
    EXPECT_EQ(view->currentRow(), 0);
    EXPECT_EQ(view->font().pixelSize(), 25);
    EXPECT_TRUE(view->font().bold());
    EXPECT_EQ(view->width(), list.width());
}

TEST_F(HighwayWeather, EveryExpresswayShowsItsNameOverTheSamePictureAndTimeLine) {
    CtevaloHighway list(h.context(), nullptr);
    h.show(list);
    for (int row : {0, 4}) {
        list.List()->setCurrentRow(row);
        std::u16string name;
        std::optional<DrawOp> picture, timeLine, title;
        h.onOpen(u"CtevaloHighwayImage", [&](CDialog& d) {
            const DrawLog& log = h.log(d);
            title = log.findText(CtevaloHighway::kHighways[row]);
            timeLine = log.findText(CtevaloHighwayImage::kTimeLine);
            picture = log.findPicture(u"Highway_1.png");
            d.EndDialog(platform::IDCANCEL);
        });
        h.command(list, u"选择");
        ASSERT_TRUE(title && timeLine && picture);
        EXPECT_EQ(title->rect.left, 30);
        EXPECT_EQ(title->rect.top, 5);
        EXPECT_EQ(timeLine->rect.top, 25);
        EXPECT_EQ(picture->rect.left, 5);
        EXPECT_EQ(picture->rect.top, 45);
        // At its own size, narrowed only when wider than the display.
        const QImage shipped(QString::fromStdString((h.ensurePictures({}) / kPicture).string()));
        EXPECT_EQ(picture->rect.width(), std::min(shipped.width(), list.width() - 10));
    }
    EXPECT_TRUE(h.messages().shown().empty());
}

TEST_F(HighwayWeather, TapOnAnItemOpensItAfterAShortPause) {
    CtevaloHighway list(h.context(), nullptr);
    h.show(list);
    QListWidget* view = list.List();
    view->setCurrentRow(3);
    emit view->itemClicked(view->item(3));
    EXPECT_FALSE(h.wasOpened(u"CtevaloHighwayImage"));
    QElapsedTimer waited;
    waited.start();
    while (!h.wasOpened(u"CtevaloHighwayImage") && waited.elapsed() < 2000)
        ScreenHarness::processEvents();
    EXPECT_TRUE(h.wasOpened(u"CtevaloHighwayImage"));
    EXPECT_GE(waited.elapsed(), 90);
}

// Return reaches the list first (its activation) and then the screen; a
// person pressing it once must get one picture screen, and "返回" must lead
// back to the list, not to a second copy.
TEST_F(HighwayWeather, EnterOnTheListOpensThePictureOnce) {
    CtevaloHighway list(h.context(), nullptr);
    h.show(list);
    QListWidget* view = list.List();
    view->setCurrentRow(2);
    int opened = 0;
    const auto closeIt = [&](CDialog& d) {
        ++opened;
        // A tap's delayed opening arriving while the picture is up adds nothing.
        list.OpenSelected();
        h.softKey(d, ScreenHarness::Key::Left);
    };
    h.onOpen(u"CtevaloHighwayImage", closeIt);
    h.onOpen(u"CtevaloHighwayImage", closeIt);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(view, &press);
    ScreenHarness::processEvents();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(std::count(h.opened().begin(), h.opened().end(), u"CtevaloHighwayImage"), 1);
}

TEST_F(HighwayWeather, NothingSelectedOpensNothing) {
    CtevaloHighway list(h.context(), nullptr);
    h.show(list);
    list.List()->clearSelection();
    h.command(list, u"选择");
    EXPECT_FALSE(h.wasOpened(u"CtevaloHighwayImage"));
}

TEST_F(HighwayWeather, PlayRestartsTheVideoAndClosingStopsIt) {
    CtevaloHighwayImage screen(h.context(), nullptr);
    screen.SetName(u"成灌高速");
    h.show(screen);
    h.command(screen, u"播放");
    h.command(screen, u"播放");
    EXPECT_EQ(media.played(), (std::vector<std::u16string>{CtevaloHighwayImage::kVideo,
                                                           CtevaloHighwayImage::kVideo}));
    ASSERT_GE(media.events.size(), 4u);
    EXPECT_EQ(media.events[0].kind, MediaEvent::Kind::OpenVideo);
    EXPECT_EQ(media.events[0].owner, &screen);
    // The second play builds the player again from the start.
    EXPECT_EQ(media.events[2].kind, MediaEvent::Kind::Release);
    screen.DestroyWindow();
    EXPECT_EQ(media.events.back().kind, MediaEvent::Kind::Release);
}

TEST_F(HighwayWeather, MissingPictureLeavesNameAndTimeLine) {
    h.removePicture(kPicture);
    CtevaloHighwayImage screen(h.context(), nullptr);
    screen.SetName(u"成乐高速");
    h.show(screen);
    EXPECT_EQ(h.messages().texts(), std::vector<std::u16string>{u"加载天气图标失败"});
    const auto& log = h.log(screen);
    EXPECT_TRUE(log.findText(u"成乐高速"));
    EXPECT_TRUE(log.findText(CtevaloHighwayImage::kTimeLine));
    EXPECT_FALSE(log.findPicture(u"Highway_1.png"));
}
