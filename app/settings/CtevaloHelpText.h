#pragma once

// The help text of the help screen, built from its sections.

#include <string>

#include "app/shell/ServiceContacts.h"

namespace app {

std::u16string helpText(const ServiceContacts& contacts);

}  // namespace app
