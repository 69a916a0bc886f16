#pragma once

// Second page of the first-run wizard: the user's own city (prefilled
// "成都"), looked up by name or initials and added to the three-day list as
// default and home-screen city. Both ways out mark the setup as done
// (setting "5"), so the wizard runs once.

#include <QLineEdit>
#include <QPushButton>

#include "app/shell/ShellScreen.h"

namespace app {

class CtevaloSetupWizardQuey final : public ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloSetupWizardQuey)

public:
    CtevaloSetupWizardQuey(AppContext& context, platform::ui::CDialog* parent);

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnCommand(int id) override;

private:
    void addTypedCity();
    void finish();

    QLineEdit* input_;
    QPushButton* button_;
};

}  // namespace app
