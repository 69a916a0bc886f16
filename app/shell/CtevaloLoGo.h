#pragma once

// The logo dialog of start-up (caption "LOGO界面"): the introduction in white
// on the background colour. Any key, a tap or three seconds close it.

#include "app/shell/ShellScreen.h"

namespace app {

class CtevaloLoGo final : public ShellScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CtevaloLoGo)

public:
    static constexpr int kShowMilliseconds = 3000;

    CtevaloLoGo(AppContext& context, platform::ui::CDialog* parent);

protected:
    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnKeyDown(int vk) override;
    void OnLButtonUp(int x, int y) override;
    void OnTimer(int id) override;
    platform::ui::Color BackgroundColor() const override { return Colors().background; }
};

}  // namespace app
