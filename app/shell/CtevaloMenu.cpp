#include "app/shell/CtevaloMenu.h"

#include "app/shell/HeaderBand.h"

namespace app {

CtevaloMenu::CtevaloMenu(AppContext& context, platform::ui::CDialog* parent)
    : ShellScreen(u"CtevaloMenu", context, parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

bool CtevaloMenu::OnInitDialog() {
    if (!bar_.load(PicturePath(u"tmd.png"))) Prompt(u"加载天气图标失败");
    return true;
}

void CtevaloMenu::OnPaint(platform::ui::Canvas& canvas) {
    canvas.fillRect(GetClientRect(), Colors().background);
    HeaderBand::paint(canvas, bar_, TopMargin(), Context().values().dateText);
}

}  // namespace app
