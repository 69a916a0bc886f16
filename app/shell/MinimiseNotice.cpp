#include "app/shell/MinimiseNotice.h"

#include "res/ResourceIds.h"

namespace app {

platform::TrayNoticeRequest minimiseNotice() {
    platform::TrayNoticeRequest n;
    n.id = res::kNoticeId;
    n.title = u"米多晴雨匣";
    n.seconds = 10;
    n.html =
        u"<html><body>"
        u"<p align=right>"
        u"<div style=\"margin:0 auto; width:100%;\">"
        u"<div style=\"float:left; width:50%; text-align:center\"><input type=\"button\" "
        u"name='cmd:100' value=\"显示\"/></div>"
        u"<div style=\"float:left; width:50%; text-align:center\"><input type=\"button\" "
        u"name='cmd:2'\tvalue=\"取消\"/></div>"
        u"<div style=\"clear:both;\"></div>"
        u"</div>"
        u"</html></body>";
    return n;
}

}  // namespace app
