#pragma once

// The three-day and weekly lists: a city list whose options add cities by
// name or by scenic spot, show details, remove, update, forward and
// recommend. They differ only in their command ids, whether a city can be
// made the default, and which query, chooser and detail screens they open.

#include "app/forecast/CityListScreen.h"

namespace app {

struct CityListCommands {
    int menu = 0;
    int back = 0;
    int addCity = 0;
    int addSpot = 0;
    int details = 0;
    int setDefault = 0;  // 0: the list has no default city command
    int remove = 0;
    int update = 0;
    int forward = 0;
    int recommend = 0;
    // The weekly menu has "推荐好友" right after "详细天气信息", the three-day menu last.
    bool recommendAfterDetails = false;
};

class AddableCityListScreen : public CityListScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AddableCityListScreen)

public:
    AddableCityListScreen(std::u16string className, const ForecastListKind& kind,
                          const CityListCommands& commands, AppContext& context,
                          platform::ui::CDialog* parent);

protected:
    platform::ui::SoftKeyMenu Menu() const override;
    void OnCommand(int id) override;

    virtual void OpenQuery() = 0;
    virtual void OpenScenicChooser() = 0;

private:
    CityListCommands commands_;
};

}  // namespace app
