// The main menu once start-up is done: grid keys and pen, badges, soft keys,
// exit, minimising and the messages other screens send it.

#include "MenuFixture.h"
#include "app/shell/MainMenuGrid.h"
#include "platform/ui/WindowRegistry.h"
#include "res/ResourceIds.h"
#include "store/WarningStore.h"

namespace {

using namespace platform::ui;
using platform::IDNO;
using platform::IDYES;

// --- Grid rules at the three display widths ---------------------------------

struct Move {
    int width;
    int from;
    int key;
    int to;
};

class GridMovesWrapWithinTheRow : public ::testing::TestWithParam<Move> {};

TEST_P(GridMovesWrapWithinTheRow, KeyGoesToExpectedItem) {
    const Move m = GetParam();
    const app::MainMenuGrid grid(m.width, 26);
    int got = -1;
    switch (m.key) {
        case VK_LEFT:
            got = grid.left(m.from);
            break;
        case VK_RIGHT:
            got = grid.right(m.from);
            break;
        case VK_UP:
            got = grid.up(m.from);
            break;
        case VK_DOWN:
            got = grid.down(m.from);
            break;
    }
    EXPECT_EQ(got, m.to) << "width " << m.width << " from " << m.from << " key " << m.key;
}

INSTANTIATE_TEST_SUITE_P(
    Widths, GridMovesWrapWithinTheRow,
    ::testing::Values(
        // 240: three columns, three full rows.
        Move{240, 2, VK_RIGHT, 0}, Move{240, 3, VK_LEFT, 5}, Move{240, 7, VK_DOWN, 7},
        Move{240, 4, VK_UP, 1}, Move{240, 0, VK_UP, 0}, Move{240, 5, VK_DOWN, 8},
        // 320: four columns; the last row holds item 8 alone.
        Move{320, 8, VK_RIGHT, 5}, Move{320, 8, VK_LEFT, 7}, Move{320, 4, VK_DOWN, 8},
        Move{320, 5, VK_DOWN, 5}, Move{320, 3, VK_RIGHT, 0},
        // 480: six columns, rows 0-5 and 6-8.
        Move{480, 8, VK_RIGHT, 3}, Move{480, 6, VK_LEFT, 5}, Move{480, 5, VK_RIGHT, 0},
        Move{480, 2, VK_DOWN, 8}, Move{480, 3, VK_DOWN, 3},
        // Narrower than a cell, and wide enough for one row: no division by
        // zero, no index outside the nine items.
        Move{60, 0, VK_RIGHT, 0}, Move{60, 0, VK_DOWN, 1}, Move{800, 8, VK_RIGHT, 0},
        Move{800, 0, VK_LEFT, 8}));

TEST(MainMenuGridGeometry, PictureSquareIsTheMiddleOfTheCellBelowTheMargin) {
    const app::MainMenuGrid grid(240, 26);
    EXPECT_EQ(grid.pictureSquare(4), (Rect{96, 122, 144, 170}));
    EXPECT_EQ(grid.itemAt(100, 130), 4);
    EXPECT_EQ(grid.itemAt(85, 110), -1);  // in the cell, outside its picture
}

// --- The running main menu ----------------------------------------------------

class MainMenu : public MenuFixture {
protected:
    void SetUp() override {
        MenuFixture::SetUp();
        markSetupDone();
    }
    void addWarning(store::WarningKind kind, const std::u16string& id) {
        store::WarningRecord w{id, u"标题" + id, u"内容", u"2026-12-07 09:12", u"1"};
        ASSERT_TRUE(store::WarningStore(h.context().volumes(), kind).add(w));
    }
    void registerRecorder(app::ScreenId id, std::vector<app::ScreenId>& seen) {
        h.launcher().registerScreen(id, [id, &seen](app::AppContext&, CDialog*) {
            seen.push_back(id);
            return 0;
        });
    }
};

TEST_F(MainMenu, CaptionSoftKeysAndHeaderAreShown) {
    auto& m = openMenu();
    EXPECT_EQ(m.GetWindowText(), u"晴雨匣");
    const auto& log = h.log(m);
    EXPECT_TRUE(log.findText(u"退出"));
    EXPECT_TRUE(log.findText(u"选项"));
    const auto title = log.findText(u"米多晴雨匣V1.5");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->rect, (Rect{20, 0, 220, 26}));
    EXPECT_TRUE(title->format & DT_RIGHT);
    EXPECT_EQ(log.findPicture(u"tmd.png")->rect, (Rect{0, 0, 240, 26}));
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(log.findText(app::CtevaloWeatherDlg::Caption(i))) << i;
}

TEST_F(MainMenu, SelectionFrameFollowsTheKeys) {
    auto& m = openMenu();
    EXPECT_EQ(h.log(m).findPicture(u"TMXK.png")->rect, m.Grid().pictureSquare(0));
    h.key(m, VK_DOWN);
    h.key(m, VK_RIGHT);
    EXPECT_EQ(m.Selected(), 4);
    EXPECT_EQ(h.log(m).findPicture(u"TMXK.png")->rect, m.Grid().pictureSquare(4));
}

TEST_F(MainMenu, BadgesFollowTheUnreadCounts) {
    addWarning(store::WarningKind::Disaster, u"17");
    auto& m = openMenu();
    EXPECT_EQ(h.context().values().disasterWarningCount, 1);
    EXPECT_TRUE(h.log(m).findPicture(u"ZHTQ(GX).png"));
    EXPECT_FALSE(h.log(m).findPicture(u"TX(GX).png"));

    // A warning screen reads the warnings and lowers the count.
    h.context().values().disasterWarningCount = 0;
    h.context().values().fireWarningCount = 2;
    const auto& log = h.log(m);
    EXPECT_TRUE(log.findPicture(u"\\ZHTQ.png"));
    EXPECT_FALSE(log.findPicture(u"ZHTQ(GX).png"));
    EXPECT_TRUE(log.findPicture(u"TX(GX).png"));
}

TEST_F(MainMenu, EnterAndPenOpenTheSelectedScreenOnlyWhenRegistered) {
    std::vector<app::ScreenId> seen;
    registerRecorder(app::ScreenId::Help, seen);
    auto& m = openMenu();
    h.key(m, VK_RETURN);  // item 0 has no screen yet: nothing, no message
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(h.messages().count(), 0u);

    const Rect help = m.Grid().pictureSquare(8);
    m.PenDown(help.left + 5, help.top + 5);
    m.PenUp(help.left + 200, help.top + 5);  // lifted outside: only selects
    EXPECT_EQ(m.Selected(), 8);
    EXPECT_TRUE(seen.empty());
    h.tap(m, help.left + 5, help.top + 5);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(h.command(m, u"进入服务"));
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(MainMenu, ExitAsksAndEndsOnlyOnYes) {
    auto& m = openMenu();
    h.messages().answerNext(IDNO);
    EXPECT_TRUE(h.command(m, u"退出"));
    EXPECT_TRUE(h.messages().wasShown(u"是否退出晴雨匣"));
    EXPECT_EQ(h.messages().last().caption, u"提示");
    EXPECT_TRUE(m.isVisible());

    h.messages().answerNext(IDYES);
    ASSERT_TRUE(h.command(m, u"退出"));
    EXPECT_FALSE(m.isVisible());
}

TEST_F(MainMenu, MinimisingLeavesANoticeWhoseShowButtonRestores) {
    auto& m = openMenu();
    m.Minimize();
    EXPECT_FALSE(m.isVisible());
    const auto* notice = h.shell().notice(res::kNoticeId);
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->title, u"米多晴雨匣");
    const auto buttons = notice->buttons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0], (platform::NoticeButton{100, u"显示"}));
    EXPECT_EQ(buttons[1], (platform::NoticeButton{2, u"取消"}));
    EXPECT_FALSE(h.messages().wasShown(u"返回失败"));

    ASSERT_TRUE(h.shell().pressNoticeButton(res::kNoticeId, u"显示"));
    EXPECT_TRUE(m.isVisible());
    EXPECT_FALSE(h.shell().noticeShown(res::kNoticeId));
}

TEST_F(MainMenu, CancelOnTheNoticeKeepsTheApplicationRunning) {
    auto& m = openMenu();
    m.Minimize();
    ASSERT_TRUE(h.shell().pressNoticeButton(res::kNoticeId, u"取消"));
    EXPECT_FALSE(h.shell().noticeShown(res::kNoticeId));
    // Still there for a later start to bring forward.
    EXPECT_TRUE(WindowRegistry::FindWindow(u"", u"晴雨匣"));
    m.SendMessage(DM_REPOSITION, 0, 0);
    EXPECT_TRUE(m.isVisible());
}

TEST_F(MainMenu, RedrawMessageRepaintsTheGridInTheNewColours) {
    auto& m = openMenu();
    EXPECT_EQ(h.log(m).fillAt(5, 200), rgb(0, 0, 0));
    h.context().values().backgroundNumber = 0;
    auto* found = WindowRegistry::FindWindow(u"", u"晴雨匣");
    ASSERT_EQ(found, &m);
    WindowRegistry::SendMessage(found, WM_USER + 3, 0, 0);
    EXPECT_EQ(h.log(m).fillAt(5, 200), rgb(16, 77, 122));
}

TEST_F(MainMenu, RecommendOpensTheComposerWithTheInvitation) {
    auto& m = openMenu();
    ASSERT_TRUE(h.command(m, u"推荐好友"));
    ASSERT_EQ(h.shell().composed().size(), 1u);
    const auto& sms = h.shell().composed()[0];
    EXPECT_EQ(sms.service, u"SMS");
    EXPECT_EQ(sms.to, u"");
    EXPECT_EQ(sms.body, u"米多晴雨匣");
    EXPECT_EQ(sms.subject.rfind(u"我正在使用天气预报软件“米多晴雨匣”，真的很不错哟！下载地址：", 0),
              0u);
    EXPECT_NE(sms.subject.find(h.context().contacts().wapSite), std::u16string::npos);
}

TEST_F(MainMenu, MissingItemPictureStopsLoadingWithAnEmptyMessage) {
    h.removePicture("ZYFW.png");
    auto& m = openMenu();
    EXPECT_TRUE(h.messages().wasShown(u""));
    const auto& log = h.log(m);
    EXPECT_TRUE(log.findPicture(u"DB.png"));
    EXPECT_FALSE(log.findPicture(u"TX.png"));  // after the missing one: not loaded
    EXPECT_TRUE(m.isVisible());
}

TEST_F(MainMenu, MissingHeaderBarIsReported) {
    h.removePicture("tmd.png");
    openMenu();
    EXPECT_TRUE(h.messages().wasShown(u"加载背景图失败"));
    EXPECT_TRUE(menu->isVisible());
}

TEST(MainMenuWidth, FourColumnsOnAWideDisplay) {
    testing_support::ScreenHarness h;
    h.setDisplay(320, 240);
    h.ensurePictures({"tmd.png"});
    store::SettingRecord s{u"5", u"桌面显示城市", u"1", u"", u"已经设置了"};
    ASSERT_TRUE(store::SettingStore(h.context().volumes()).store(s));
    app::CtevaloWeatherDlg m(h.context());
    h.show(m);
    EXPECT_EQ(m.width(), 320);
    EXPECT_EQ(m.Grid().columns(), 4);
    for (int i = 0; i < 8; ++i) h.key(m, VK_RIGHT);
    EXPECT_EQ(m.Selected(), 0);
}

}  // namespace
