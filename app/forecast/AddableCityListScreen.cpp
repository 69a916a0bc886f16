#include "app/forecast/AddableCityListScreen.h"

#include "app/forecast/ForecastSession.h"

namespace app {

namespace ui = platform::ui;

AddableCityListScreen::AddableCityListScreen(std::u16string className, const ForecastListKind& kind,
                                             const CityListCommands& commands, AppContext& context,
                                             ui::CDialog* parent)
    : CityListScreen(std::move(className), kind, context, parent), commands_(commands) {}

ui::SoftKeyMenu AddableCityListScreen::Menu() const {
    const CityListCommands& c = commands_;
    std::vector<ui::MenuItem> options = {
        {0, u"添加", {{c.addCity, u"添加城市", {}}, {c.addSpot, u"添加风景区", {}}}},
        {c.details, u"详细天气信息", {}},
    };
    const ui::MenuItem recommend{c.recommend, u"推荐好友", {}};
    if (c.recommendAfterDetails) options.push_back(recommend);
    if (c.setDefault != 0) options.push_back({c.setDefault, u"设置为默认城市", {}});
    options.push_back({c.remove, u"删除城市", {}});
    options.push_back({c.update, u"天气更新", {}});
    options.push_back({c.forward, u"天气转发", {}});
    if (!c.recommendAfterDetails) options.push_back(recommend);
    return ui::SoftKeyMenu{c.menu, ui::MenuItem{c.back, u"返回", {}},
                           ui::MenuItem{0, u"选项", std::move(options)}};
}

void AddableCityListScreen::OnCommand(int id) {
    const CityListCommands& c = commands_;
    if (id == 0) return;
    if (id == c.back) {
        EndDialog(platform::IDCANCEL);
    } else if (id == c.addCity) {
        ForecastSession::instance().wantedLevel = u"2";
        OpenQuery();
    } else if (id == c.addSpot) {
        ForecastSession::instance().wantedLevel = u"3";
        OpenScenicChooser();
    } else if (id == c.details) {
        OpenSelected();
    } else if (id == c.setDefault) {
        MakeSelectedDefault();
    } else if (id == c.remove) {
        DeleteSelected();
    } else if (id == c.update) {
        UpdateAll();
    } else if (id == c.forward) {
        ForwardSelected();
    } else if (id == c.recommend) {
        Recommend();
    }
}

}  // namespace app
