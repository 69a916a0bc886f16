// CDialog: modal runs, soft keys and their pop-up, pen on the bar, window
// lookup and user messages, minimising.

#include <gtest/gtest.h>

#include <QApplication>

#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include "platform/msgbox/ScriptedMessageBoxes.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/QtMessageBox.h"
#include "platform/ui/WindowRegistry.h"

namespace {

using namespace platform::ui;

class Probe final : public CDialog {
public:
    explicit Probe(std::u16string cls, CDialog* parent = nullptr)
        : CDialog(std::move(cls), parent) {}
    std::vector<int> commands;
    std::vector<int> keys;
    std::vector<unsigned> messages;
    int activations = 0;
    std::function<void()> onInit;

    void setMenu() {
        SetSoftKeys({1,
                     {10, u"返回", {}},
                     {0, u"选项", {{11, u"第一", {}}, {12, u"第二", {}}, {13, u"第三", {}}}}});
    }
    // "添加" opens a pop-up of its own.
    void setNestedMenu() {
        SetSoftKeys({2,
                     {10, u"返回", {}},
                     {0,
                      u"选项",
                      {{0, u"添加", {{21, u"添加城市", {}}, {22, u"添加风景区", {}}}},
                       {23, u"详细", {}}}}});
    }

protected:
    bool OnInitDialog() override {
        if (onInit) onInit();
        return true;
    }
    void OnCommand(int id) override { commands.push_back(id); }
    void OnKeyDown(int vk) override { keys.push_back(vk); }
    std::intptr_t OnUserMessage(unsigned m, std::uintptr_t w, std::intptr_t l) override {
        messages.push_back(m);
        return static_cast<std::intptr_t>(w) + l;
    }
    void OnActivate(int) override { ++activations; }
};

class DialogFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "dialog_test";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
    void TearDown() override { CDialog::SetOpenObserver({}); }
    platform::ScriptedMessageBoxes boxes;
};

TEST_F(DialogFixture, DoModalReturnsTheEndDialogValueAndReactivatesTheParent) {
    Probe parent(u"Parent");
    parent.Create();
    const int before = parent.activations;
    Probe child(u"Child", &parent);
    CDialog::SetOpenObserver([](CDialog& d) {
        if (d.IsRunningModal()) d.EndDialog(42);
    });
    EXPECT_EQ(child.DoModal(), 42);
    EXPECT_FALSE(child.isVisible());
    EXPECT_GT(parent.activations, before);
}

TEST_F(DialogFixture, EndDialogDuringInitialisationNeverEntersTheLoop) {
    Probe p(u"Quick");
    p.onInit = [&] { p.EndDialog(7); };
    bool observed = false;
    CDialog::SetOpenObserver([&](CDialog&) { observed = true; });
    EXPECT_EQ(p.DoModal(), 7);
    EXPECT_FALSE(observed);
}

TEST_F(DialogFixture, SoftKeysDeliverCommandsAndThePopupWrapsWithArrows) {
    Probe p(u"Keys");
    p.setMenu();
    p.Create();
    p.KeyDown(VK_F1);
    EXPECT_EQ(p.commands, std::vector<int>{10});

    p.KeyDown(VK_F2);
    EXPECT_TRUE(p.softKeyBar().popupOpen());
    p.KeyDown(VK_UP);  // from the first entry up to the last
    EXPECT_EQ(p.softKeyBar().popupSelection(), 2);
    p.KeyDown(VK_DOWN);
    p.KeyDown(VK_DOWN);
    p.KeyDown(VK_RETURN);
    EXPECT_EQ(p.commands, (std::vector<int>{10, 12}));
    EXPECT_FALSE(p.softKeyBar().popupOpen());
    // Arrows reach the screen only while no pop-up is open.
    EXPECT_TRUE(p.keys.empty());
    p.KeyDown(VK_DOWN);
    EXPECT_EQ(p.keys, std::vector<int>{VK_DOWN});

    p.KeyDown(VK_F2);
    p.KeyDown(VK_ESCAPE);
    EXPECT_FALSE(p.softKeyBar().popupOpen());
    EXPECT_EQ(p.commands.size(), 2u);
}

TEST_F(DialogFixture, PopupIsDrawnAboveTheBarAndTapsChooseEntries) {
    Probe p(u"Pen");
    p.setMenu();
    p.Create();
    const int h = p.height();
    p.PenDown(200, h - 5);
    p.PenUp(200, h - 5);
    ASSERT_TRUE(p.softKeyBar().popupOpen());
    p.PaintNow();
    const auto entry = p.drawLog().findText(u"第三");
    ASSERT_TRUE(entry);
    EXPECT_LT(entry->rect.bottom, h - p.SoftKeyHeight() + 1);
    const int x = (entry->rect.left + entry->rect.right) / 2;
    const int y = (entry->rect.top + entry->rect.bottom) / 2;
    p.PenDown(x, y);
    p.PenUp(x, y);
    EXPECT_EQ(p.commands, std::vector<int>{13});
    EXPECT_TRUE(p.drawLog().findText(u"返回"));
}

TEST_F(DialogFixture, AnEntryWithItsOwnPopupOpensItWithKeysAndPen) {
    Probe p(u"Nested");
    p.setNestedMenu();
    p.Create();
    // Return on "添加" opens the inner pop-up instead of giving a command.
    p.KeyDown(VK_F2);
    p.KeyDown(VK_RETURN);
    EXPECT_TRUE(p.commands.empty());
    ASSERT_EQ(p.softKeyBar().subPopupEntry(), std::optional<int>(0));
    p.KeyDown(VK_UP);  // wraps inside the inner pop-up
    EXPECT_EQ(p.softKeyBar().subPopupSelection(), 1);
    p.KeyDown(VK_RETURN);
    EXPECT_EQ(p.commands, std::vector<int>{22});
    EXPECT_FALSE(p.softKeyBar().popupOpen());
    // The captions reach the inner entries too.
    EXPECT_TRUE(p.PressCommand(u"添加城市"));
    EXPECT_TRUE(p.PressCommand(u"详细"));
    EXPECT_FALSE(p.PressCommand(u"添加"));
    EXPECT_EQ(p.commands, (std::vector<int>{22, 21, 23}));

    // The pen: a tap on "添加" opens the inner pop-up beside the outer one,
    // a tap on its entry chooses it.
    const int h = p.height();
    p.PenDown(200, h - 5);
    p.PenUp(200, h - 5);
    p.PaintNow();
    const auto add = p.drawLog().findText(u"添加");
    ASSERT_TRUE(add);
    p.PenDown(add->rect.left + 5, add->rect.top + 5);
    p.PenUp(add->rect.left + 5, add->rect.top + 5);
    ASSERT_TRUE(p.softKeyBar().subPopupEntry().has_value());
    p.PaintNow();
    const auto spot = p.drawLog().findText(u"添加风景区");
    ASSERT_TRUE(spot);
    EXPECT_LE(spot->rect.right, add->rect.left);
    EXPECT_GE(spot->rect.bottom, add->rect.top) << "beside its entry, not above the menu";
    p.PenDown(spot->rect.left + 5, spot->rect.top + 5);
    p.PenUp(spot->rect.left + 5, spot->rect.top + 5);
    EXPECT_EQ(p.commands.back(), 22);
    EXPECT_FALSE(p.softKeyBar().popupOpen());
}

TEST_F(DialogFixture, WindowsAreFoundByCaptionOrClassAndGetMessagesSynchronously) {
    Probe a(u"ClassA");
    a.SetWindowText(u"晴雨匣");
    a.Create();
    Probe b(u"ClassB");
    b.Create();
    EXPECT_EQ(WindowRegistry::FindWindow(u"", u"晴雨匣"), &a);
    EXPECT_EQ(WindowRegistry::FindWindow(u"ClassB", u""), &b);
    EXPECT_EQ(WindowRegistry::FindWindow(u"ClassB", u"晴雨匣"), nullptr);
    EXPECT_EQ(WindowRegistry::SendMessage(&a, WM_USER + 2, 3, 4), 7);
    EXPECT_EQ(a.messages, std::vector<unsigned>{WM_USER + 2});
    {
        Probe gone(u"Gone");
        gone.Create();
    }
    EXPECT_EQ(WindowRegistry::FindWindow(u"Gone", u""), nullptr);
}

TEST_F(DialogFixture, MinimisingWithNothingBehindSaysReturnFailed) {
    Probe alone(u"Alone");
    alone.Create();
    alone.Minimize();
    EXPECT_FALSE(alone.isVisible());
    EXPECT_TRUE(boxes.wasShown(u"返回失败"));
}

TEST_F(DialogFixture, MinimisingBringsTheWindowBehindForward) {
    Probe below(u"Below");
    below.Create();
    Probe top(u"Top");
    top.Create();
    top.Minimize();
    EXPECT_FALSE(top.isVisible());
    EXPECT_TRUE(below.isVisible());
    EXPECT_FALSE(boxes.wasShown(u"返回失败"));
}

TEST_F(DialogFixture, MinimisedSubScreenGoesDownWithItsParentAndComesBackWithIt) {
    Probe below(u"Below");
    below.Create();
    Probe parent(u"Parent");
    parent.Create();
    Probe child(u"Child", &parent);
    bool bothHidden = false;
    bool stillRunning = false;
    bool backWithParent = false;
    CDialog::SetOpenObserver([&](CDialog& d) {
        if (!d.IsRunningModal()) return;
        d.Minimize();
        bothHidden = !d.isVisible() && !parent.isVisible() && below.isVisible();
        stillRunning = d.IsRunningModal();
        parent.BringToFront();
        backWithParent =
            d.isVisible() && parent.isVisible() && WindowRegistry::Windows().back() == &d;
        d.EndDialog(1);
    });
    EXPECT_EQ(child.DoModal(), 1);
    EXPECT_TRUE(bothHidden);
    EXPECT_TRUE(stillRunning);
    EXPECT_TRUE(backWithParent);
    EXPECT_FALSE(boxes.wasShown(u"返回失败"));
}

struct BoxKey {
    unsigned type;
    int key;
    int answer;
};

class RealMessageBoxKeys : public ::testing::TestWithParam<BoxKey> {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "dialog_test";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
};

TEST_P(RealMessageBoxKeys, ReturnTakesTheDefaultAndEscapeTheCancellingButton) {
    const BoxKey c = GetParam();
    QMessageBox* seen = nullptr;
    QString caption;
    QTimer::singleShot(0, [&] {
        seen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!seen) return;
        caption = seen->windowTitle();
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier);
        QApplication::sendEvent(seen->focusWidget() ? seen->focusWidget() : seen, &press);
    });
    const int answer = QtMessageBox::show({nullptr, u"是否退出晴雨匣", u"提示", c.type});
    ASSERT_TRUE(seen);
    EXPECT_EQ(caption, QStringLiteral("提示"));
    EXPECT_EQ(answer, c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, RealMessageBoxKeys,
    ::testing::Values(
        BoxKey{platform::MB_YESNO, Qt::Key_Return, platform::IDYES},
        BoxKey{platform::MB_YESNO, Qt::Key_Escape, platform::IDNO},
        BoxKey{platform::MB_OK | platform::MB_ICONWARNING, Qt::Key_Escape, platform::IDOK},
        BoxKey{platform::MB_OKCANCEL, Qt::Key_Escape, platform::IDCANCEL},
        BoxKey{platform::MB_YESNO | platform::MB_DEFBUTTON2, Qt::Key_Return, platform::IDNO}));

TEST_F(DialogFixture, ScreenCoversTheConfiguredDisplay) {
    qputenv("TEVALO_DISPLAY", "480x640");
    Probe p(u"Big");
    p.Create();
    EXPECT_EQ(p.width(), 480);
    EXPECT_EQ(p.height(), 640);
    EXPECT_EQ(p.pos(), QPoint(0, 0));
    qunsetenv("TEVALO_DISPLAY");
}

}  // namespace

// Fontconfig keeps its caches until the process ends (Qt never calls FcFini).
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
