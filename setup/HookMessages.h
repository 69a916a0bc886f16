#pragma once

// The hook shows its messages in the installer's process through the message
// box the installer hands over; without one they go to the platform fallback.

#include "platform/setup/SetupHook.h"

namespace setup {

void attachHost(const tevalo_setup_host* host);

}  // namespace setup
