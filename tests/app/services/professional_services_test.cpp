#include <gtest/gtest.h>

#include "app/services/CtevaloProfessionalServices.h"
#include "tests/support/ScreenHarness.h"

using namespace platform::ui;
using services::CtevaloProfessionalServices;
using testing_support::ScreenHarness;

namespace {

const char* const kPictures[] = {"Professional Servicesl icon/Professional_1.png",
                                 "Professional Servicesl icon/Professional_2.png",
                                 "Professional Servicesl icon/Professional_3.png",
                                 "Professional Servicesl icon/Professional_6.png",
                                 "Professional Servicesl icon/Professional_4.png",
                                 "TMXK.png",
                                 "tmd.png"};

class ProfessionalServicesMenu : public testing::Test {
protected:
    void SetUp() override {
        const auto folder = h.ensurePictures({});
        std::filesystem::create_directories(folder / "Professional Servicesl icon");
        for (const char* p : kPictures) h.ensurePictures({p});
    }
    ScreenHarness h;
};

}  // namespace

TEST_F(ProfessionalServicesMenu, DrawsFiveLabelledIconsInTheGrid) {
    CtevaloProfessionalServices menu(h.context(), nullptr);
    h.show(menu);
    const auto& log = h.log(menu);
    const int t = menu.TopMargin();
    const std::pair<const char16_t*, Rect> cells[] = {{u"天气旬报", {16, t + 16, 64, t + 64}},
                                                      {u"天气月报", {96, t + 16, 144, t + 64}},
                                                      {u"天气季报", {176, t + 16, 224, t + 64}},
                                                      {u"天气危报", {16, t + 96, 64, t + 144}},
                                                      {u"高速公路", {96, t + 96, 144, t + 144}}};
    for (const auto& [label, icon] : cells) {
        const auto text = log.findText(label);
        ASSERT_TRUE(text) << "label missing";
        EXPECT_EQ(text->rect.left, icon.left);
        EXPECT_EQ(text->rect.top, icon.bottom + 5);
    }
    EXPECT_EQ(log.findPicture(u"Professional_6.png")->rect, cells[3].second);
    EXPECT_EQ(log.findPicture(u"TMXK.png")->rect, cells[0].second);
    EXPECT_TRUE(log.findText(u"米多晴雨匣V1.5"));
    EXPECT_TRUE(h.messages().shown().empty());
}

TEST_F(ProfessionalServicesMenu, KeysAndTapsOpenTheChosenService) {
    CtevaloProfessionalServices menu(h.context(), nullptr);
    h.show(menu);
    h.key(menu, VK_DOWN);
    h.key(menu, VK_RIGHT);
    ASSERT_EQ(menu.Selected(), 4);
    EXPECT_EQ(h.log(menu).findPicture(u"TMXK.png")->rect.left, 96);
    h.key(menu, VK_RETURN);
    EXPECT_EQ(h.opened(),
              (std::vector<std::u16string>{u"CtevaloProfessionalServices", u"CtevaloHighway"}));

    const int t = menu.TopMargin();
    h.tap(menu, 100, t + 20);  // icon of entry 1
    EXPECT_EQ(h.opened().back(), u"CtevaloWeatherYueBao");
    EXPECT_EQ(menu.Selected(), 1);
    // The 16-pixel margin around an icon is dead.
    h.tap(menu, 85, t + 20);
    // A press on one icon and a release on another opens nothing.
    menu.PenDown(20, t + 20);
    menu.PenUp(180, t + 20);
    EXPECT_EQ(h.opened().size(), 3u);
    EXPECT_EQ(menu.Selected(), 0);

    ASSERT_TRUE(h.command(menu, u"确定"));
    EXPECT_EQ(h.opened().back(), u"CtevaloWeatherXuenBao");
    for (int i = 0; i < 3; ++i) h.key(menu, VK_RIGHT);
    h.key(menu, VK_DOWN);
    h.key(menu, VK_RETURN);
    EXPECT_EQ(h.opened().back(), u"CtevaloWeatherAtrisk");
}

TEST_F(ProfessionalServicesMenu, WideDisplayKeepsOneRow) {
    h.setDisplay(480, 640);
    CtevaloProfessionalServices menu(h.context(), nullptr);
    h.show(menu);
    h.key(menu, VK_LEFT);
    EXPECT_EQ(menu.Selected(), 4);
    h.key(menu, VK_RIGHT);
    EXPECT_EQ(menu.Selected(), 0);
    h.key(menu, VK_DOWN);
    EXPECT_EQ(menu.Selected(), 0);
    EXPECT_EQ(h.log(menu).findPicture(u"Professional_4.png")->rect.top, menu.TopMargin() + 16);
}

struct MissingPicture {
    const char* file;
    const char16_t* message;
};

class ProfessionalServicesPictures : public testing::TestWithParam<MissingPicture> {};

// Each missing picture is named by its own message; the menu still opens.
TEST_P(ProfessionalServicesPictures, MissingPictureIsReportedAndLeftUndrawn) {
    ScreenHarness h;
    const auto folder = h.ensurePictures({});
    std::filesystem::create_directories(folder / "Professional Servicesl icon");
    for (const char* p : kPictures) h.ensurePictures({p});
    h.removePicture(GetParam().file);
    CtevaloProfessionalServices menu(h.context(), nullptr);
    h.show(menu);
    EXPECT_EQ(h.messages().texts(), std::vector<std::u16string>{GetParam().message});
    EXPECT_EQ(h.messages().last().caption, u"提示");
    h.key(menu, VK_RETURN);
    EXPECT_EQ(h.opened().back(), u"CtevaloWeatherXuenBao");
}

INSTANTIATE_TEST_SUITE_P(Pictures, ProfessionalServicesPictures,
                         testing::Values(MissingPicture{kPictures[0], u"加载图标失败6"},
                                         MissingPicture{kPictures[1], u"加载图标失败4"},
                                         MissingPicture{kPictures[2], u"加载图标失败5"},
                                         MissingPicture{kPictures[3], u"加载图标失败1"},
                                         MissingPicture{kPictures[4], u"加载图标失败2"},
                                         MissingPicture{"TMXK.png", u"加载选择框图标失败"},
                                         MissingPicture{"tmd.png", u"加载顶部菜单栏图标失败"}));
