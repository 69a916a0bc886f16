// System settings: what "确定" stores for the update time and the skin, and
// what "返回" and an unchecked box leave alone.

#include <QCheckBox>
#include <QLineEdit>
#include <QTimeEdit>

#include "MenuFixture.h"
#include "app/settings/CtevaloSystemSet.h"
#include "platform/ui/UpDownControl.h"
#include "res/ResourceIds.h"

namespace {

using namespace platform::ui;

class SystemSettings : public MenuFixture {
protected:
    void storeTime(const std::u16string& text) {
        ASSERT_TRUE(settings().store({u"6", u"自动更新时间", u"1", u"", text}));
    }
    std::u16string storedTime() {
        auto s = settings().findById(u"6");
        return s ? s->longValue : u"<none>";
    }
    app::CtevaloSystemSet& open() {
        screen = std::make_unique<app::CtevaloSystemSet>(h.context(), nullptr);
        h.show(*screen);
        return *screen;
    }
    QTimeEdit* picker() { return screen->Control<QTimeEdit>(res::IDC_UPDATE_TIME); }
    QCheckBox* box() { return screen->Control<QCheckBox>(res::IDC_AUTOUPDATE); }
    UpDownControl* stepper() { return screen->Control<UpDownControl>(res::IDC_SKIN_SPIN); }
    QString skinName() { return screen->Control<QLineEdit>(res::IDC_SKIN_NAME)->text(); }

    std::unique_ptr<app::CtevaloSystemSet> screen;
};

TEST_F(SystemSettings, StoredTimeOpensThePickerAndIsStoredAgainUnchanged) {
    storeTime(u"18:05:00");
    open();
    EXPECT_EQ(picker()->time(), QTime(18, 5, 0));
    EXPECT_TRUE(box()->isChecked());
    ASSERT_TRUE(h.command(*screen, u"确定"));
    EXPECT_EQ(storedTime(), u"18:05:00");
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(SystemSettings, MorningTimeIsStoredWithoutLeadingZeroInTheHour) {
    open();
    picker()->setTime(QTime(8, 30, 0));
    ASSERT_TRUE(h.command(*screen, u"确定"));
    EXPECT_EQ(storedTime(), u"8:30:00");
}

TEST_F(SystemSettings, WithoutStoredTimeThePickerStartsAtTheCurrentTime) {
    h.setTime({2026, 12, 7, 21, 4, 7, 1});
    open();
    ASSERT_TRUE(h.command(*screen, u"确定"));
    EXPECT_EQ(storedTime(), u"21:04:07");
}

TEST_F(SystemSettings, DamagedStoredTimeLeavesThePickerAtTheCurrentTime) {
    storeTime(u"25:99:xx");
    open();
    EXPECT_EQ(picker()->time(), QTime(9, 30, 0));
}

TEST_F(SystemSettings, UncheckedBoxKeepsTheEarlierTime) {
    storeTime(u"18:05:00");
    open();
    picker()->setTime(QTime(20, 0, 0));
    box()->setChecked(false);
    ASSERT_TRUE(h.command(*screen, u"确定"));
    EXPECT_EQ(storedTime(), u"18:05:00");
}

TEST_F(SystemSettings, BackStoresNothing) {
    open();
    stepper()->step(1);
    ASSERT_TRUE(h.command(*screen, u"返回"));
    EXPECT_EQ(storedTime(), u"<none>");
    EXPECT_FALSE(settings().findById(u"7"));
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(SystemSettings, OtherSkinIsStoredAndTheMainMenuRedrawsInItsColours) {
    markSetupDone();
    auto& menu = openMenu();
    EXPECT_EQ(h.log(menu).fillAt(5, 200), rgb(0, 0, 0));
    open();
    EXPECT_EQ(skinName(), QStringLiteral("黑色"));
    stepper()->step(1);  // wraps from 1 to 0
    EXPECT_EQ(skinName(), QStringLiteral("青蓝色"));
    EXPECT_EQ(screen->ChosenSkin(), 0);
    ASSERT_TRUE(h.command(*screen, u"确定"));
    const auto bg = settings().findById(u"7");
    ASSERT_TRUE(bg);
    EXPECT_EQ(bg->longValue, u"0");
    EXPECT_EQ(bg->settingName, u"软件背景");
    EXPECT_EQ(h.context().values().backgroundNumber, 0);
    EXPECT_EQ(h.log(menu).fillAt(5, 200), rgb(16, 77, 122));
}

TEST_F(SystemSettings, SameSkinIsNotStoredAgain) {
    open();
    stepper()->step(1);
    stepper()->step(-1);
    ASSERT_TRUE(h.command(*screen, u"确定"));
    EXPECT_FALSE(settings().findById(u"7"));
}

}  // namespace
