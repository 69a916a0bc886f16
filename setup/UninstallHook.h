#pragma once

// Removal steps of the hook: close the running application, switch the
// home-screen item off and let the home screen drop it, then delete the key,
// the library copies and the shortcut. The program path and the user's data
// stay on the device.

#include "platform/setup/SetupHook.h"

namespace setup {

int uninstallInit(tevalo_setup_window parent);

}  // namespace setup
