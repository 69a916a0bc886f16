#include "app/shell/HomeItemLogin.h"

#include "platform/msgbox/MessageBox.h"
#include "platform/shell/ShellServices.h"
#include "platform/ui/CDialog.h"

namespace app {

bool switchHomeItemLogin(platform::ShellServices& shell, platform::ui::CDialog* owner, bool show) {
    if (shell.setHomeAutostart(show)) return true;
    platform::messageBox(owner, kHomeItemLoginFailed, u"提示", platform::MB_ICONWARNING);
    return false;
}

}  // namespace app
