#pragma once

// The start-up cover window: shown modeless while start-up runs (logo,
// wizard), painted in the background colour with the header band. It never
// takes input.

#include "app/shell/ShellScreen.h"
#include "platform/ui/Picture.h"

namespace app {

class CtevaloMenu final : public ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloMenu)

public:
    CtevaloMenu(AppContext& context, platform::ui::CDialog* parent);

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnKeyDown(int) override {}
    platform::ui::Color BackgroundColor() const override { return Colors().background; }

private:
    platform::ui::Picture bar_;
};

}  // namespace app
