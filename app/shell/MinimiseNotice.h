#pragma once

// The tray notice the main menu leaves when it is minimised: "显示" (command
// 100) brings it back, "取消" (command 2) only dismisses the notice.

#include "platform/shell/TrayNoticeRequest.h"

namespace app {

platform::TrayNoticeRequest minimiseNotice();

}  // namespace app
