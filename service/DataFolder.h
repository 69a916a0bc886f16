#pragma once

#include <string>

namespace service {

// The folder of the reference tables the service reads when not told otherwise:
// $TEVALO_SERVICE_DATA when set, else the installed package's data folder
// (../share/tevalo-weather/data next to the program), else the tree's res/data.
std::string defaultDataFolder();

}  // namespace service
