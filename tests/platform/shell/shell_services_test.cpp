// Shell services: composer and browser launches keep every argument intact,
// the notice's buttons, named mutexes across threads, the settings-change
// broadcast and the single-instance check.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/device/DevicePath.h"
#include "platform/shell/ComposerMessage.h"
#include "platform/shell/DesktopShell.h"
#include "platform/shell/NamedMutex.h"
#include "platform/shell/SettingChange.h"
#include "platform/shell/SingleInstance.h"
#include "platform/shell/TrayNoticeRequest.h"
#include "platform/window/DeviceSocket.h"
#include "platform/window/WindowClass.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace platform;

class ShellFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "shell_services_test";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("shell-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::create_directories(root);
        setDeviceRoot(root);
    }
    void TearDown() override {
        setDeviceRoot({});
        unsetenv("TEVALO_OPENER");
        fs::remove_all(root);
    }
    // An opener that writes each argument it received on its own NUL-ended record.
    fs::path fakeOpener() {
        const fs::path script = root / "opener.sh";
        std::ofstream(script) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > "
                              << (root / "args").string() << ".tmp && mv "
                              << (root / "args").string() << ".tmp " << (root / "args").string()
                              << "\n";
        fs::permissions(script, fs::perms::owner_all);
        setenv("TEVALO_OPENER", script.c_str(), 1);
        return root / "args";
    }
    std::vector<std::string> waitForArgs(const fs::path& file) {
        QElapsedTimer t;
        t.start();
        while (!fs::exists(file) && t.elapsed() < 5000)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::ifstream in(file, std::ios::binary);
        std::vector<std::string> args;
        std::string a;
        while (std::getline(in, a, '\0')) args.push_back(a);
        return args;
    }
    fs::path root;
    static inline int counter = 0;
};

TEST(ComposerUri, EncodesEveryCharacterThatCouldSplitOrEndTheUri) {
    ComposerMessage m;
    m.to = u"10657 502";
    m.body = u"意见反馈";
    EXPECT_EQ(composerUri(m), "sms:10657%20502?body=%E6%84%8F%E8%A7%81%E5%8F%8D%E9%A6%88");
    m.body.clear();
    m.subject = u"a\"b c&d?e\nf#g";
    EXPECT_EQ(composerUri(m), "sms:10657%20502?body=a%22b%20c%26d%3Fe%0Af%23g");
    m = {};
    EXPECT_EQ(composerUri(m), "sms:");
}

// A forward's text and the fixed line both reach the one body: text first.
TEST(ComposerUri, SubjectAndFixedBodyBothReachTheMessage) {
    ComposerMessage m;
    m.body = u"米多晴雨匣";
    m.subject = u"成都";
    EXPECT_EQ(composerUri(m),
              "sms:?body=%E6%88%90%E9%83%BD%0A%E7%B1%B3%E5%A4%9A%E6%99%B4%E9%9B%A8%E5%8C%A3");
}

TEST_F(ShellFixture, ComposerTextWithQuotesBlanksAndLineBreaksArrivesAsOneArgument) {
    const fs::path args = fakeOpener();
    ComposerMessage m;
    m.body = u"此消息来至米多晴雨匣";
    m.subject = u"成都\n今天：多云 \"28℃\" -to x; rm -rf / $(id)";
    DesktopShell shell;
    ASSERT_TRUE(shell.openComposer(m));
    const auto got = waitForArgs(args);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], composerUri(m));
}

TEST_F(ShellFixture, BrowserGetsTheAddressAsOneArgument) {
    const fs::path args = fakeOpener();
    DesktopShell shell;
    ASSERT_TRUE(shell.openBrowser(u"http://127.0.0.1:8080/soft_new?id=1&x=a b"));
    const auto got = waitForArgs(args);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], "http://127.0.0.1:8080/soft_new?id=1&x=a b");
}

TEST_F(ShellFixture, MissingOpenerIsAFailedLaunchNotACrash) {
    setenv("TEVALO_OPENER", (root / "no-such-program").c_str(), 1);
    DesktopShell shell;
    EXPECT_FALSE(shell.openComposer({}));
}

TEST(NoticeButtons, ComeFromTheBodyWithTabOrBlankBeforeValue) {
    TrayNoticeRequest n;
    n.html =
        u"<p><input type=\"button\" name='cmd:100' value=\"显示\"/>"
        u"<input type=\"button\" name='cmd:2'\tvalue=\"取消\"/></p>";
    const auto b = n.buttons();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0], (NoticeButton{100, u"显示"}));
    EXPECT_EQ(b[1], (NoticeButton{2, u"取消"}));
    n.html = u"<html>no buttons</html>";
    EXPECT_TRUE(n.buttons().empty());
}

TEST(NamedMutexSharing, SameNameIsOneLockAcrossThreads) {
    NamedMutex first(u"TEVALO_FOR_DEMO_SYNC");
    EXPECT_FALSE(first.alreadyExisted());
    ASSERT_TRUE(first.wait(0));
    std::atomic<bool> gotIt{true};
    std::atomic<bool> alreadyExisted{false};
    std::thread other([&] {
        NamedMutex second(u"TEVALO_FOR_DEMO_SYNC");
        alreadyExisted = second.alreadyExisted();
        gotIt = second.wait(50);
        EXPECT_FALSE(second.release());  // not the owner
    });
    other.join();
    EXPECT_TRUE(alreadyExisted);
    EXPECT_FALSE(gotIt);

    EXPECT_TRUE(first.wait(0));  // recursive for the owner
    EXPECT_TRUE(first.release());
    EXPECT_TRUE(first.release());
    EXPECT_FALSE(first.release());
    std::thread later([&] {
        NamedMutex second(u"TEVALO_FOR_DEMO_SYNC");
        gotIt = second.wait(1000);
        if (gotIt) second.release();
    });
    later.join();
    EXPECT_TRUE(gotIt);
}

// Two threads taking turns: the owner releases and at once waits again. The
// thread already waiting must get the mutex first, every time, or the list
// update's progress thread never gets its turn.
TEST(NamedMutexSharing, ReleaseHandsTheTurnToTheThreadAlreadyWaiting) {
    NamedMutex mine(u"TURNS");
    for (int round = 0; round < 50; ++round) {
        ASSERT_TRUE(mine.wait());
        std::atomic<bool> theirTurnTaken{false};
        std::atomic<bool> mineSawTheirs{false};
        std::thread other([&] {
            NamedMutex theirs(u"TURNS");
            theirs.wait();
            theirTurnTaken = true;
            theirs.release();
        });
        while (mine.waitingThreads() == 0) std::this_thread::yield();
        ASSERT_TRUE(mine.release());
        ASSERT_TRUE(mine.wait());
        mineSawTheirs = theirTurnTaken.load();
        mine.release();
        other.join();
        ASSERT_TRUE(mineSawTheirs) << "round " << round;
    }
}

TEST(NamedMutexSharing, AWaitThatTimesOutLeavesTheQueue) {
    NamedMutex mine(u"QUEUE");
    ASSERT_TRUE(mine.wait());
    std::atomic<bool> got{true};
    std::thread impatient([&] {
        NamedMutex theirs(u"QUEUE");
        got = theirs.wait(20);
    });
    impatient.join();
    EXPECT_FALSE(got);
    EXPECT_EQ(mine.waitingThreads(), 0);
    // The owner can release and take it again without waiting for a ghost.
    ASSERT_TRUE(mine.release());
    EXPECT_TRUE(mine.wait(0));
    mine.release();
}

TEST(NamedMutexSharing, DifferentNamesDoNotBlockEachOther) {
    NamedMutex a(u"A");
    NamedMutex b(u"B");
    ASSERT_TRUE(a.wait(0));
    std::atomic<bool> got{false};
    std::thread t([&] {
        got = b.wait(0);
        if (got) b.release();
    });
    t.join();
    EXPECT_TRUE(got);
    a.release();
}

TEST_F(ShellFixture, ListenerReceivesBroadcastsWrittenAfterItStarted) {
    ASSERT_TRUE(SettingChange::broadcast(1));  // before the listener: not delivered
    std::vector<unsigned> got;
    SettingChangeListener listener([&](unsigned w) { got.push_back(w); });
    ASSERT_TRUE(SettingChange::broadcast(0xF2));
    ASSERT_TRUE(SettingChange::broadcast(7));
    QElapsedTimer t;
    t.start();
    while (got.size() < 2 && t.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        listener.poll();
    }
    EXPECT_EQ(got, (std::vector<unsigned>{0xF2, 7}));
    EXPECT_TRUE(SettingChange::file().string().starts_with(root.string()));
}

TEST_F(ShellFixture, SecondInstanceOnTheSameDeviceAsksTheFirstToComeForward) {
    SingleInstance first("tevaloWeather");
    ASSERT_TRUE(first.claim());
    int requests = 0;
    first.onActivationRequest([&] { ++requests; });

    SingleInstance second("tevaloWeather");
    EXPECT_FALSE(second.claim());
    QElapsedTimer t;
    t.start();
    while (requests == 0 && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(requests, 1);

    // Another device root is another device.
    const fs::path other = root / "other";
    fs::create_directories(other);
    setDeviceRoot(other);
    SingleInstance elsewhere("tevaloWeather");
    EXPECT_TRUE(elsewhere.claim());
}

// Every spelling of one device root is the same device: a second start through
// any of them finds the first instance and its window classes.
class DeviceRootSpelling : public ShellFixture, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        fs::create_directories(root / "dev");
        fs::create_directory_symlink(root / "dev", root / "link");
        previous = fs::current_path();
        fs::current_path(root);
    }
    void TearDown() override {
        fs::current_path(previous);
        ShellFixture::TearDown();
    }
    fs::path previous;
};

TEST_P(DeviceRootSpelling, MeetsTheInstanceAndWindowsStartedThroughTheDeviceRoot) {
    setDeviceRoot(root / "dev");
    SingleInstance first("tevaloWeather");
    ASSERT_TRUE(first.claim());
    WindowClassServer window(u"晴雨匣", [] {});
    ASSERT_TRUE(window.listen());

    setDeviceRoot(GetParam());
    EXPECT_EQ(canonicalDeviceRoot(), fs::canonical(root / "dev"));
    SingleInstance second("tevaloWeather");
    EXPECT_EQ(second.socketName(), first.socketName());
    EXPECT_FALSE(second.claim()) << "a second instance started on the same device";
    EXPECT_TRUE(findWindowByClass(u"晴雨匣"));
}

INSTANTIATE_TEST_SUITE_P(Spellings, DeviceRootSpelling,
                         ::testing::Values("dev", "dev/", "./dev", "link", "link/../dev/."));

// Sockets go under $XDG_RUNTIME_DIR, and one a killed process left there is
// taken over by the next start instead of blocking it.
class SocketsInTheRuntimeFolder : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) saved = runtime;
        fs::create_directories(root / "run");
        setenv("XDG_RUNTIME_DIR", (root / "run").c_str(), 1);
    }
    void TearDown() override {
        if (saved.empty())
            unsetenv("XDG_RUNTIME_DIR");
        else
            setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
        ShellFixture::TearDown();
    }
    // A socket file bound and never listened at, as a killed process leaves it.
    static void leaveStaleSocket(const QString& name) {
        const std::string path = name.toStdString();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        ASSERT_LT(path.size(), sizeof address.sun_path);
        std::copy(path.begin(), path.end(), address.sun_path);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
        ASSERT_TRUE(fs::exists(path));
    }
    std::string saved;
};

TEST_F(SocketsInTheRuntimeFolder, AStaleSingleInstanceSocketIsClearedOnStart) {
    const QString name = deviceSocketName("tevaloWeather");
    EXPECT_TRUE(name.startsWith(QString::fromStdString((root / "run").string() + "/")))
        << name.toStdString();
    leaveStaleSocket(name);
    SingleInstance instance("tevaloWeather");
    EXPECT_EQ(instance.socketName(), name);
    EXPECT_TRUE(instance.claim());
}

TEST_F(SocketsInTheRuntimeFolder, AStaleWindowClassSocketIsClearedOnStart) {
    leaveStaleSocket(deviceSocketName("class|晴雨匣"));
    WindowClassServer window(u"晴雨匣", [] {});
    EXPECT_TRUE(window.listen());
    EXPECT_TRUE(findWindowByClass(u"晴雨匣"));
}

}  // namespace
