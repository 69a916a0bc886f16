#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "NotificationServerProcess.h"
#include "app/services/WarningListScreen.h"
#include "app/services/WarningTextScreen.h"
#include "platform/media/RecordingMediaPlayer.h"
#include "platform/text/Utf.h"
#include "service/TestServer.h"
#include "store/WarningStore.h"
#include "tests/app/services/LastLineCheck.h"
#include "tests/support/DamagedTable.h"
#include "tests/support/ScreenHarness.h"
#include "tests/support/VolumeFault.h"

using namespace platform::ui;
using services::WarningListScreen;
using services::WarningService;
using services::WarningTextScreen;
using testing_support::ScreenHarness;
using testing_support::VolumeFault;

namespace {

std::string utf8(std::u16string_view s) {
    return platform::toUtf8(s);
}

// One warning service (disaster or fire) on a fresh device against the
// service stand-in, with the alert sound recorded instead of played.
class WarningService_ : public testing::TestWithParam<const WarningService*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(h.startService());
        h.ensurePictures({"tmd.png"});
        h.context().values().clientCode = u"abc1234";
        previousPlayers = platform::setMediaPlayerFactory(media.factory());
    }
    void TearDown() override { platform::setMediaPlayerFactory(previousPlayers); }

    const WarningService& service() const { return *GetParam(); }
    store::WarningStore warnings() { return {h.context().volumes(), service().kind}; }
    std::vector<store::WarningRecord> stored() {
        return warnings().list().value_or(std::vector<store::WarningRecord>{});
    }
    int& unread() { return h.context().values().*service().unreadCount; }
    int& otherUnread() {
        return h.context().values().*(service().kind == store::WarningKind::Disaster
                                          ? &app::StartupValues::fireWarningCount
                                          : &app::StartupValues::disasterWarningCount);
    }
    std::string basePath() const {
        return service().kind == store::WarningKind::Disaster ? "/spservers/find_disasters_weathers"
                                                              : "/spservers/find_fire_warning";
    }
    // The requests the stand-in saw for this service.
    std::vector<service::SeenRequest> requests() {
        std::vector<service::SeenRequest> seen;
        for (const auto& r : h.server()->requests())
            if (r.path.rfind(basePath(), 0) == 0) seen.push_back(r);
        return seen;
    }
    std::vector<std::u16string> shownTitles() {
        std::vector<std::u16string> titles;
        for (const auto& w : stored())
            if (!w.title.empty()) titles.push_back(w.title);
        if (titles.size() > 5) titles.resize(5);
        return titles;
    }

    ScreenHarness h;
    platform::MediaLog media;
    platform::MediaPlayerFactory previousPlayers;
};

}  // namespace

TEST_P(WarningService_, FirstUpdateAsksWithoutIdsAndStoresWhatArrives) {
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    EXPECT_TRUE(h.log(list).findText(u"请更新查看!"));
    ASSERT_TRUE(h.command(list, u"更新"));

    const auto seen = requests();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].method, "GET");
    EXPECT_EQ(seen[0].path, basePath());
    EXPECT_EQ(seen[0].query, "version=symbian2.0&code=abc1234");

    const auto all = stored();
    ASSERT_FALSE(all.empty()) << "the stand-in issues warnings every day";
    for (const auto& w : all) {
        EXPECT_FALSE(w.id.empty());
        EXPECT_FALSE(w.title.empty());
        EXPECT_FALSE(w.updateTime.empty()) << "a new warning is unread";
    }
    EXPECT_EQ(unread(), std::min<int>(static_cast<int>(all.size()), 5));
    EXPECT_EQ(otherUnread(), 0) << "the two badges move independently";
    EXPECT_EQ(media.played(), std::vector<std::u16string>{WarningListScreen::kAlertSound});
    EXPECT_TRUE(h.messages().shown().empty());

    EXPECT_EQ(list.ShownTitles(), shownTitles());
    EXPECT_TRUE(h.log(list).findText(u"1. " + list.ShownTitles()[0]));
    EXPECT_FALSE(h.log(list).findText(u"请更新查看!"));
}

TEST_P(WarningService_, NextUpdateReportsEveryStoredIdAndFindsNothingNew) {
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"更新"));
    const int badge = unread();
    // A deleted warning keeps its ID so the service does not send it again.
    ASSERT_TRUE(h.command(list, u"删除"));
    const auto all = stored();
    ASSERT_FALSE(all.empty());

    h.server()->clearRequests();
    ASSERT_TRUE(h.command(list, u"更新"));
    std::string ids;
    for (const auto& w : all) {
        if (!ids.empty()) ids += '-';
        ids += utf8(w.id);
    }
    const auto seen = requests();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].path, basePath() + ids);
    ASSERT_EQ(h.messages().count(), 1u);
    EXPECT_EQ(h.messages().last().text, u"暂无新信息");
    EXPECT_EQ(h.messages().last().caption, u"提示");
    EXPECT_EQ(stored().size(), all.size());
    EXPECT_EQ(unread(), badge - 1);
    EXPECT_EQ(media.played().size(), 1u) << "nothing new, no alert";
}

TEST_P(WarningService_, StoredIdsAreSentGreatestFirst) {
    ASSERT_TRUE(warnings().add({u"17", u"甲", u"a", u"", u"0"}));
    ASSERT_TRUE(warnings().add({u"203", u"乙", u"b", u"", u"0"}));
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"更新"));
    ASSERT_FALSE(requests().empty());
    EXPECT_EQ(requests()[0].path, basePath() + "203-17");
}

TEST_P(WarningService_, OpeningMarksReadOnceAndForwardsTheText) {
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"更新"));
    const int badge = unread();
    ASSERT_GT(badge, 0);
    const std::u16string title = list.ShownTitles()[0];
    const auto before = warnings().findByTitle(title);
    ASSERT_TRUE(before);

    std::u16string shown;
    h.onOpen(std::u16string(service().textClass), [&](CDialog& d) {
        shown = static_cast<WarningTextScreen&>(d).ShownText();
        EXPECT_TRUE(h.command(d, u"转发"));
        d.EndDialog(platform::IDCANCEL);
    });
    h.key(list, VK_RETURN);
    EXPECT_EQ(shown, title + u"\n" + before->text);
    const auto after = warnings().findByTitle(title);
    EXPECT_EQ(after->updateTime, u"");
    EXPECT_EQ(after->todayFlag, u"0");
    EXPECT_EQ(unread(), badge - 1);

    ASSERT_EQ(h.shell().composed().size(), 1u);
    const auto& sms = h.shell().composed()[0];
    EXPECT_EQ(sms.service, u"SMS");
    EXPECT_EQ(sms.to, u"");
    EXPECT_EQ(sms.body, u"此消息来至米多晴雨匣");
    EXPECT_EQ(sms.subject, shown);

    // A second opening finds it read: the badge stays.
    ASSERT_TRUE(h.command(list, u"查看"));
    EXPECT_EQ(unread(), badge - 1);
}

// The badge counts unread warnings: removing one the user has read already
// must not hide another that is still unread.
TEST_P(WarningService_, DeletingAReadWarningKeepsTheBadge) {
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"更新"));
    const int badge = unread();
    ASSERT_TRUE(h.command(list, u"查看"));
    ASSERT_EQ(unread(), badge - 1);
    const std::u16string title = list.ShownTitles()[0];
    ASSERT_TRUE(h.command(list, u"删除"));
    EXPECT_EQ(unread(), badge - 1);
    EXPECT_EQ(std::count(list.ShownTitles().begin(), list.ShownTitles().end(), title), 0);
    const auto all = stored();
    EXPECT_EQ(std::count_if(all.begin(), all.end(), [](const auto& w) { return w.title.empty(); }),
              1);
}

TEST_P(WarningService_, DeletingTheOnlyWarningLeavesTheEmptyList) {
    ASSERT_TRUE(warnings().add({u"5", u"唯一", u"t", u"08-19", u"1"}));
    unread() = 1;
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    ASSERT_EQ(list.ShownTitles().size(), 1u);
    ASSERT_TRUE(h.command(list, u"删除"));
    EXPECT_TRUE(list.ShownTitles().empty());
    EXPECT_EQ(list.SelectedRow(), 0);
    EXPECT_EQ(unread(), 0);
    EXPECT_TRUE(h.log(list).findText(u"请更新查看!"));
    // With nothing shown, delete and open do nothing and say nothing.
    ASSERT_TRUE(h.command(list, u"删除"));
    h.key(list, VK_RETURN);
    EXPECT_TRUE(h.messages().shown().empty());
    EXPECT_FALSE(h.wasOpened(service().textClass));
}

TEST_P(WarningService_, ListShowsFiveAndKeysWrap) {
    for (int i = 1; i <= 7; ++i)
        ASSERT_TRUE(
            warnings().add({platform::fromInt(i), u"标题" + platform::fromInt(i), u"", u"", u"0"}));
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    ASSERT_EQ(list.ShownTitles().size(), 5u);
    EXPECT_EQ(list.ShownTitles()[0], u"标题7");
    h.key(list, VK_UP);
    EXPECT_EQ(list.SelectedRow(), 4);
    h.key(list, VK_DOWN);
    EXPECT_EQ(list.SelectedRow(), 0);
    // A tap on the third row's text opens that warning.
    h.tap(list, 20, list.TopMargin() + 2 * 30 + 15);
    EXPECT_EQ(list.SelectedRow(), 2);
    EXPECT_TRUE(h.wasOpened(service().textClass));
}

// With more warnings stored than shown, the one below slides up into the
// deleted last row; the selection still moves up to the row above.
TEST_P(WarningService_, DeletingTheLastShownRowMovesTheSelectionUp) {
    for (int i = 1; i <= 7; ++i)
        ASSERT_TRUE(
            warnings().add({platform::fromInt(i), u"标题" + platform::fromInt(i), u"", u"", u"0"}));
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    h.key(list, VK_UP);
    ASSERT_EQ(list.SelectedRow(), 4);
    ASSERT_TRUE(h.command(list, u"删除"));
    EXPECT_EQ(list.ShownTitles(),
              (std::vector<std::u16string>{u"标题7", u"标题6", u"标题5", u"标题4", u"标题2"}));
    EXPECT_EQ(list.SelectedRow(), 3);
    // A row in the middle keeps the selection where it is.
    h.key(list, VK_UP);
    h.key(list, VK_UP);
    ASSERT_EQ(list.SelectedRow(), 1);
    ASSERT_TRUE(h.command(list, u"删除"));
    EXPECT_EQ(list.SelectedRow(), 1);
    EXPECT_EQ(list.ShownTitles()[1], u"标题5");
}

TEST_P(WarningService_, PastWarningsOpenInTheBrowser) {
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"查看过往信息"));
    ASSERT_EQ(h.shell().browsed().size(), 1u);
    EXPECT_EQ(h.shell().browsed()[0], u"http://" + platform::fromUtf8(h.server()->hostPort()) +
                                          std::u16string(service().pastPage));
    EXPECT_TRUE(stored().empty());
}

TEST_P(WarningService_, MissingSelectionBarIsReported) {
    h.removePicture("tmd.png");
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    EXPECT_TRUE(h.messages().wasShown(u"加载图片失败"));
}

namespace {

// Stands in for the main menu: counts the reposition requests it receives.
class MainMenuWindow final : public CDialog {
public:
    MainMenuWindow() : CDialog(u"CtevaloWeatherDlg") { SetWindowText(u"晴雨匣"); }
    int repositions = 0;

protected:
    std::intptr_t OnUserMessage(unsigned message, std::uintptr_t, std::intptr_t) override {
        if (message == DM_REPOSITION) ++repositions;
        return 0;
    }
};

}  // namespace

// The text screen asks the main menu to take the whole display again once,
// on its first paint, not on every paint.
TEST_P(WarningService_, TextScreenRepositionsTheMainMenuOnItsFirstPaint) {
    MainMenuWindow menu;
    h.show(menu);
    ASSERT_TRUE(warnings().add({u"5", u"标题", u"正文", u"t", u"1"}));
    WarningTextScreen text(service(), h.context(), nullptr);
    text.SetContent(u"标题", {});
    h.show(text);
    h.log(text);
    h.log(text);
    EXPECT_EQ(menu.repositions, 1);
    EXPECT_EQ(text.ShownText(), u"标题\n正文");
}

// A warning longer than the display is read to its end: Down, or the scroll
// bar's end, shows the last line whole, not cut by the bottom edge.
TEST_P(WarningService_, LongTextShowsItsLastLineWholeAtTheBottom) {
    std::u16string text;
    for (int i = 0; i < 30; ++i)
        text += std::u16string(u"第") + platform::fromInt(i) + u"条：大风降温，注意防范。";
    text += u"最后一句。";
    ASSERT_TRUE(warnings().add({u"5", u"长预警", text, u"", u"0"}));
    WarningTextScreen screen(service(), h.context(), nullptr);
    screen.SetContent(u"长预警", {});
    h.show(screen);
    h.log(screen);
    for (int i = 0; i < 100; ++i) h.key(screen, VK_DOWN);
    services_test::expectLastLineWhole(screen);
    screen.VScroll(SB_THUMBPOSITION, 0);
    EXPECT_EQ(screen.ScrollOffset(), 0);
    screen.VScroll(SB_THUMBPOSITION, 100);
    services_test::expectLastLineWhole(screen);
}

struct Fault {
    const char* faultText;
    const char16_t* message;
};

class WarningFaults : public WarningService_ {};

// Whatever goes wrong, nothing is stored and the badge stays.
TEST_P(WarningFaults, BadRepliesChangeNothing) {
    const Fault faults[] = {{"-1", u"软件版本过低"},
                            {"0", u"数据查询失败"},
                            {"html", u"数据查询失败"},
                            {"500", u"数据查询失败"},
                            {"close", u"地址无效"}};
    unread() = 2;
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.faultText);
        h.server()->clearFaults();
        ASSERT_TRUE(h.server()->setFault(basePath(), f.faultText));
        h.messages().clear();
        WarningListScreen list(service(), h.context(), nullptr);
        h.show(list);
        ASSERT_TRUE(h.command(list, u"更新"));
        EXPECT_EQ(h.messages().texts(), std::vector<std::u16string>{f.message});
        EXPECT_TRUE(stored().empty());
        EXPECT_EQ(unread(), 2);
        EXPECT_TRUE(media.played().empty());
    }
}

// A reply cut short keeps the warnings that arrived whole and drops the
// broken last one, so no mangled title or text is stored.
TEST_P(WarningFaults, CutReplyStoresOnlyWholeWarnings) {
    ASSERT_TRUE(h.server()->setFault(basePath(), "cut"));
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"更新"));
    h.server()->clearFaults();
    const auto partial = stored();
    for (const auto& w : partial) {
        EXPECT_EQ(w.title.find(u'\uFFFD'), std::u16string::npos);
        EXPECT_EQ(w.text.find(u'\uFFFD'), std::u16string::npos);
    }
    // The next update fetches what was dropped.
    ASSERT_TRUE(h.command(list, u"更新"));
    EXPECT_GT(stored().size(), partial.size());
}

TEST_P(WarningFaults, NoServiceShowsTheNetworkMessageOnly) {
    h.server()->stop();
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"更新"));
    EXPECT_EQ(h.messages().count(), 1u);
    EXPECT_TRUE(stored().empty());
}

// The test runs on a session bus of its own with our notification server.
TEST_P(WarningService_, NewWarningsRaiseOneDesktopNotificationPerFetch) {
    testing_support::NotificationServerProcess notifications;
    ASSERT_TRUE(notifications.ready());
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"更新"));
    std::vector<std::string> titles;
    for (const auto& w : stored()) titles.push_back(utf8(w.title));
    ASSERT_FALSE(titles.empty());

    auto received = notifications.received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].appName, "米多晴雨匣");
    EXPECT_EQ(received[0].summary, "米多晴雨匣");
    const std::string count =
        titles.size() > 1 ? "（共" + std::to_string(titles.size()) + "条）" : "";
    EXPECT_TRUE(received[0].body.ends_with(count)) << received[0].body;
    const std::string title = received[0].body.substr(0, received[0].body.size() - count.size());
    EXPECT_NE(std::find(titles.begin(), titles.end(), title), titles.end()) << received[0].body;

    // Nothing new: no notification.
    ASSERT_TRUE(h.command(list, u"更新"));
    EXPECT_EQ(notifications.received().size(), 1u);
}

// A volume that cannot be written, read-only or full: each store step tells
// the user, the badge stays, and the warnings stored before are kept.
class WarningStoreFaults : public WarningService_ {
protected:
    void SetUp() override {
        WarningService_::SetUp();
        ASSERT_TRUE(warnings().add({u"5", u"旧预警", u"旧的正文", u"08-19", u"1"}));
        unread() = 1;
    }
    void underEachStorageFault(const std::function<void(WarningListScreen&)>& step) {
        const auto before = stored();
        const int badge = unread();
        const bool laid = VolumeFault::underEach(
            h.context().volumes().cityDatabase,
            {VolumeFault::Kind::ReadOnly, VolumeFault::Kind::Full}, [&](VolumeFault::Kind kind) {
                SCOPED_TRACE(VolumeFault::name(kind));
                h.messages().clear();
                WarningListScreen list(service(), h.context(), nullptr);
                h.show(list);
                step(list);
                EXPECT_EQ(unread(), badge);
                EXPECT_EQ(list.ShownTitles(), std::vector<std::u16string>{u"旧预警"});
            });
        if (!laid) GTEST_SKIP() << "mounting needs root";
        EXPECT_EQ(stored(), before);
    }
};

TEST_P(WarningStoreFaults, UpdateIsToldAndStoresNothing) {
    underEachStorageFault([&](WarningListScreen& list) {
        ASSERT_TRUE(h.command(list, u"更新"));
        EXPECT_EQ(h.messages().texts(),
                  std::vector<std::u16string>{u"数据保存失败，请检查存储空间"});
        EXPECT_TRUE(media.played().empty());
    });
    EXPECT_FALSE(requests().empty());
}

TEST_P(WarningStoreFaults, OpeningIsToldAndTheWarningStaysUnread) {
    underEachStorageFault([&](WarningListScreen& list) {
        h.key(list, VK_RETURN);
        EXPECT_EQ(h.messages().texts(),
                  std::vector<std::u16string>{u"数据保存失败，请检查存储空间"});
    });
    EXPECT_EQ(warnings().findByTitle(u"旧预警")->updateTime, u"08-19");
}

TEST_P(WarningStoreFaults, DeleteIsToldAndKeepsTheWarning) {
    underEachStorageFault([&](WarningListScreen& list) {
        ASSERT_TRUE(h.command(list, u"删除"));
        EXPECT_EQ(h.messages().texts(), std::vector<std::u16string>{u"删除信息失败！"});
    });
}

// A list that cannot be read is not shown as an empty one without a word, and
// the rows read before stay.
TEST_P(WarningStoreFaults, UnreadableListIsToldAndKeepsItsRows) {
    const std::string table =
        service().kind == store::WarningKind::Disaster ? "DisasWeather" : "FireRemind";
    {
        testing_support::DamagedTable damaged(h.context().volumes().cityDatabase, table);
        ASSERT_TRUE(damaged.damaged());
        WarningListScreen list(service(), h.context(), nullptr);
        h.show(list);
        EXPECT_EQ(h.messages().texts(), std::vector<std::u16string>{u"数据读取失败，请稍后重试"});
    }
    WarningListScreen list(service(), h.context(), nullptr);
    h.show(list);
    ASSERT_EQ(list.ShownTitles(), std::vector<std::u16string>{u"旧预警"});
    h.messages().clear();
    testing_support::DamagedTable damaged(h.context().volumes().cityDatabase, table);
    ASSERT_TRUE(damaged.damaged());
    ASSERT_TRUE(h.command(list, u"更新"));
    EXPECT_TRUE(h.messages().wasShown(u"数据读取失败，请稍后重试"));
    EXPECT_TRUE(h.messages().wasShown(u"数据保存失败，请检查存储空间"));
    EXPECT_EQ(list.ShownTitles(), std::vector<std::u16string>{u"旧预警"});
}

INSTANTIATE_TEST_SUITE_P(Services, WarningStoreFaults,
                         testing::Values(&services::kDisasterWarnings, &services::kFireWarnings));
INSTANTIATE_TEST_SUITE_P(Services, WarningService_,
                         testing::Values(&services::kDisasterWarnings, &services::kFireWarnings));
INSTANTIATE_TEST_SUITE_P(Services, WarningFaults,
                         testing::Values(&services::kDisasterWarnings, &services::kFireWarnings));
