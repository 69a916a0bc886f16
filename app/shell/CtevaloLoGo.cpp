#include "app/shell/CtevaloLoGo.h"

#include "app/shell/IntroText.h"

namespace app {

using namespace platform::ui;

namespace {
constexpr int kCloseTimer = 1;
}

CtevaloLoGo::CtevaloLoGo(AppContext& context, CDialog* parent)
    : ShellScreen(u"CtevaloLoGo", context, parent) {}

bool CtevaloLoGo::OnInitDialog() {
    SetWindowText(u"LOGO界面");
    SetTimer(kCloseTimer, kShowMilliseconds);
    return true;
}

void CtevaloLoGo::OnPaint(Canvas& canvas) {
    const Rect client = GetClientRect();
    canvas.fillRect(client, Colors().background);
    canvas.drawText(introText(), client.inset(14, 14, 14, 0), DT_LEFT | DT_WORDBREAK,
                    FontChoice{u"", 14, false}, kWhite);
}

void CtevaloLoGo::OnKeyDown(int) {
    EndDialog(IDOK);
}

void CtevaloLoGo::OnLButtonUp(int, int) {
    EndDialog(IDOK);
}

void CtevaloLoGo::OnTimer(int id) {
    if (id != kCloseTimer) return;
    KillTimer(kCloseTimer);
    EndDialog(IDOK);
}

}  // namespace app
