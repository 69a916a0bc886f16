#pragma once

#include <string>

#include "service/LocalTime.h"

namespace service {

// One issued warning of a feed. Title and text carry none of the reply's
// separators.
struct Warning {
    std::string id;
    LocalTime issued;
    std::string title;
    std::string text;
};

}  // namespace service
