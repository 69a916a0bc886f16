#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/shell/CtevaloWeatherDlg.h"
#include "store/SettingStore.h"
#include "tests/support/ScreenHarness.h"

// A device whose main menu pictures exist and whose setup has been done, so
// the main menu opens straight away.
class MenuFixture : public ::testing::Test {
protected:
    void SetUp() override {
        h.ensurePictures({"tmd.png", "TQ.png", "ZB.png", "DB.png", "ZYFW.png", "ZHTQ.png",
                          "ZHTQ(GX).png", "TX.png", "TX(GX).png", "ZMSZ.png", "SZ.png", "BZ.png",
                          "TMXK.png"});
    }

    void markSetupDone() {
        store::SettingRecord s{u"5", u"桌面显示城市", u"1", u"", u"已经设置了"};
        ASSERT_TRUE(settings().store(s));
    }

    void storeBackground(const std::u16string& number) {
        store::SettingRecord s{u"7", u"软件背景", u"1", u"", number};
        ASSERT_TRUE(settings().store(s));
    }

    store::SettingStore settings() { return store::SettingStore(h.context().volumes()); }

    app::CtevaloWeatherDlg& openMenu() {
        menu = std::make_unique<app::CtevaloWeatherDlg>(h.context());
        h.show(*menu);
        return *menu;
    }

    testing_support::ScreenHarness h;
    std::unique_ptr<app::CtevaloWeatherDlg> menu;
};
