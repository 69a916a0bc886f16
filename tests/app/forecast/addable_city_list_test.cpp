// The three-day and the weekly list side by side: their "选项" menus and the
// progress strip of "天气更新".

#include <memory>

#include "app/forecast/CtevalWeeklyWeather.h"
#include "app/forecast/CtevaloTeVoWeather.h"
#include "tests/app/forecast/ForecastFixture.h"

using app::ForecastList;
namespace ui = platform::ui;

namespace {

struct ListCase {
    const char* name;
    ForecastList list;
    std::vector<std::u16string> options;  // the "选项" entries, in order
    const char16_t* query;                // opened by "添加城市"
    const char16_t* chooser;              // opened by "添加风景区"
};

const ListCase kLists[] = {
    {"ThreeDay",
     ForecastList::ThreeDay,
     {u"添加", u"详细天气信息", u"设置为默认城市", u"删除城市", u"天气更新", u"天气转发",
      u"推荐好友"},
     u"CtevaloTeVoWeatherQuery",
     u"CtevaloRegionalChoose"},
    {"Weekly",
     ForecastList::Weekly,
     {u"添加", u"详细天气信息", u"推荐好友", u"删除城市", u"天气更新", u"天气转发"},
     u"CtevaloWeeklyWeatherQuery",
     u"CtevaloRegionalChooseWeekly"},
};

class AddableCityList : public forecast_test::ForecastFixture,
                        public testing::WithParamInterface<ListCase> {
protected:
    std::unique_ptr<app::CityListScreen> makeList() {
        if (GetParam().list == ForecastList::Weekly)
            return std::make_unique<app::CtevalWeeklyWeather>(h.context(), nullptr);
        return std::make_unique<app::CtevaloTeVoWeather>(h.context(), nullptr);
    }
};

std::vector<std::u16string> captions(const std::vector<ui::MenuItem>& items) {
    std::vector<std::u16string> out;
    for (const auto& item : items) out.push_back(item.text);
    return out;
}

}  // namespace

TEST_P(AddableCityList, OptionsMenuHasTheAddPopupAndTheListsOrder) {
    auto list = makeList();
    h.show(*list);
    const auto& menu = list->softKeyBar().menu();
    EXPECT_EQ(menu.left.text, u"返回");
    EXPECT_EQ(menu.right.text, u"选项");
    EXPECT_EQ(captions(menu.right.popup), GetParam().options);
    ASSERT_FALSE(menu.right.popup.empty());
    EXPECT_EQ(captions(menu.right.popup[0].popup),
              (std::vector<std::u16string>{u"添加城市", u"添加风景区"}));
}

// Driven with the keys a person uses: F2, Return on "添加" opens its pop-up
// beside the menu, Down and Return choose in it.
TEST_P(AddableCityList, AddPopupOpensTheQueryAndTheScenicChooser) {
    auto list = makeList();
    h.show(*list);
    h.key(*list, ui::VK_F2);
    h.key(*list, ui::VK_RETURN);
    ASSERT_TRUE(list->softKeyBar().subPopupEntry().has_value());
    const auto& log = h.log(*list);
    const auto outer = log.findText(u"详细天气信息");
    const auto inner = log.findText(u"添加风景区");
    ASSERT_TRUE(outer && inner);
    EXPECT_LE(inner->rect.right, outer->rect.left) << "the inner pop-up lies beside the outer one";
    EXPECT_GE(inner->rect.left, 0);
    h.key(*list, ui::VK_RETURN);
    EXPECT_TRUE(h.wasOpened(GetParam().query));
    EXPECT_FALSE(list->softKeyBar().popupOpen());

    h.key(*list, ui::VK_F2);
    h.key(*list, ui::VK_RIGHT);
    h.key(*list, ui::VK_DOWN);
    h.key(*list, ui::VK_RETURN);
    EXPECT_TRUE(h.wasOpened(GetParam().chooser));

    // Left closes only the inner pop-up; the outer one stays for another choice.
    h.key(*list, ui::VK_F2);
    h.key(*list, ui::VK_RETURN);
    h.key(*list, ui::VK_LEFT);
    EXPECT_TRUE(list->softKeyBar().popupOpen());
    EXPECT_FALSE(list->softKeyBar().subPopupEntry().has_value());
    h.key(*list, ui::VK_ESCAPE);
    EXPECT_FALSE(list->softKeyBar().popupOpen());
}

// The updating thread and the progress thread take turns through the named
// mutex: every stored city's name must reach the strip, in list order, while
// that city is stored.
TEST_P(AddableCityList, ProgressStripNamesEveryCityInTurn) {
    const char16_t* names[] = {u"北京", u"天津", u"上海", u"成都"};
    const char16_t* codes[] = {u"110000", u"120000", u"310000", u"510100"};
    for (int i = 0; i < 4; ++i)
        listCity(GetParam().list, u"10000" + platform::fromInt(i + 1), codes[i], names[i]);
    auto list = makeList();
    h.show(*list);
    ASSERT_TRUE(h.command(*list, u"天气更新"));
    std::vector<std::u16string> expected{u"连接服务器获取数据中"};
    for (const auto& row : list->model().rows())
        expected.push_back(u"正在更新数据：" + row.cityName);
    EXPECT_EQ(list->shownProgressTexts(), expected);
    EXPECT_EQ(h.messages().count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Lists, AddableCityList, testing::ValuesIn(kLists),
                         [](const testing::TestParamInfo<ListCase>& info) {
                             return std::string(info.param.name);
                         });
