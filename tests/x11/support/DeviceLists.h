#pragma once

// The user's lists of a test device filled before the application starts, as
// earlier runs would have left them.

#include <initializer_list>
#include <string>
#include <vector>

#include "store/CityListStore.h"

namespace x11 {

// Adds cities of the reference table to `list`, in order; returns their names
// as the table spells them.
std::vector<std::u16string> listCities(store::CityList list,
                                       std::initializer_list<const char16_t*> names);

}  // namespace x11
