#pragma once

// The small dialog that adds a city to a list by its name or the initials of
// its pinyin: a hint, an input field and the button "添加". The three-day and
// weekly forms add and say so; the on-demand form adds with the current
// request token, closes and has the list fetch the city at once.

#include <QLineEdit>

#include "app/forecast/ForecastListKind.h"
#include "app/shell/ShellScreen.h"
#include "store/UserCityRecord.h"

namespace app {

class CityQueryDialog : public ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CityQueryDialog)

public:
    static constexpr int kReturnCommand = 33016;

    CityQueryDialog(std::u16string className, const ForecastListKind& kind, AppContext& context,
                    platform::ui::CDialog* parent);

    QLineEdit* input() const { return input_; }
    // The "添加" button.
    void Confirm();

protected:
    bool OnInitDialog() override;
    void OnCommand(int id) override;
    void OnPaint(platform::ui::Canvas& canvas) override;

private:
    void addToList(const store::UserCityRecord& city);
    void addOnDemand(store::UserCityRecord city);
    void clearInput();

    const ForecastListKind& kind_;
    QLineEdit* input_ = nullptr;
};

}  // namespace app
