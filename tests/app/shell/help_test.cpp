// Help screen: scrolling limits, the hidden bar on a tall display, the
// header, and the two composer commands.

#include "MenuFixture.h"
#include "app/settings/CtevaloHelp.h"

namespace {

using namespace platform::ui;
using app::CtevaloHelp;

class HelpScreen : public MenuFixture {
protected:
    CtevaloHelp& open() {
        screen = std::make_unique<CtevaloHelp>(h.context(), nullptr);
        h.show(*screen);
        return *screen;
    }
    std::unique_ptr<CtevaloHelp> screen;
};

TEST_F(HelpScreen, ScrollsByLinesAndPagesAndStopsAtBothEnds) {
    auto& s = open();
    const int visible = s.VisibleHeight();
    ASSERT_EQ(visible, 320 - 52);
    ASSERT_TRUE(s.ScrollBarShown());
    s.OnVScroll(SB_LINEUP, 0);
    EXPECT_EQ(s.ScrollOffset(), 0);
    h.key(s, VK_DOWN);
    EXPECT_EQ(s.ScrollOffset(), 14);
    s.OnVScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(s.ScrollOffset(), 14 + visible);
    for (int i = 0; i < 10; ++i) s.OnVScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(s.ScrollOffset(), CtevaloHelp::kTextHeight - visible);
    s.OnVScroll(SB_LINEDOWN, 0);
    EXPECT_EQ(s.ScrollOffset(), CtevaloHelp::kTextHeight - visible);
    s.OnVScroll(SB_PAGEUP, 0);
    EXPECT_EQ(s.ScrollOffset(), CtevaloHelp::kTextHeight - 2 * visible);
    s.OnVScroll(SB_THUMBTRACK, 0);
    EXPECT_EQ(s.ScrollOffset(), 0);
}

TEST_F(HelpScreen, VisiblePartFollowsTheOffset) {
    auto& s = open();
    const auto heading = h.log(s).findTextContaining(u"1.使用本软件");
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->rect.top, s.TopMargin() + 4);
    s.OnVScroll(SB_LINEDOWN, 0);
    EXPECT_EQ(h.log(s).findTextContaining(u"1.使用本软件")->rect.top, s.TopMargin() + 4 - 14);
}

TEST_F(HelpScreen, TallDisplayHidesTheBar) {
    h.setDisplay(480, 1000);
    auto& s = open();
    EXPECT_FALSE(s.ScrollBarShown());
    s.OnVScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(s.ScrollOffset(), 0);
}

TEST_F(HelpScreen, HeaderShowsTimeAndTitle) {
    h.setTime({2026, 12, 7, 7, 5, 0, 1});
    auto& s = open();
    const auto& log = h.log(s);
    const auto time = log.findText(u"7:05:00");
    ASSERT_TRUE(time);
    EXPECT_EQ(time->rect.left, 20);
    EXPECT_TRUE(log.findText(u"米多晴雨匣V1.5"));
    EXPECT_TRUE(log.findPicture(u"tmd.png"));
}

TEST_F(HelpScreen, RecommendAndFeedbackOpenTheComposer) {
    auto& s = open();
    ASSERT_TRUE(h.command(s, u"推荐好友"));
    ASSERT_TRUE(h.command(s, u"意见反馈"));
    const auto& sent = h.shell().composed();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].to, u"");
    EXPECT_EQ(sent[0].body, u"米多晴雨匣");
    EXPECT_EQ(sent[1].to, h.context().contacts().feedbackNumber);
    EXPECT_FALSE(sent[1].to.empty());
    EXPECT_EQ(sent[1].body, u"意见反馈");
    EXPECT_EQ(sent[1].subject, u"");
    ASSERT_TRUE(h.command(s, u"返回"));
    EXPECT_FALSE(s.isVisible());
}

TEST_F(HelpScreen, ComposerThatCannotStartChangesNothing) {
    h.shell().setLaunchSucceeds(false);
    auto& s = open();
    ASSERT_TRUE(h.command(s, u"意见反馈"));
    EXPECT_EQ(h.messages().count(), 0u);
    EXPECT_TRUE(s.isVisible());
}

}  // namespace
