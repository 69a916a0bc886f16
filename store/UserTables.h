#pragma once

#include "store/Volumes.h"

namespace store {

// Creates the user's empty tables in CityDatabase.vol (the three city lists,
// their update stamps and the two warning tables) where they are missing. The
// home-screen item never creates the three-day tables, so a volume without
// them could not take its first automatic update.
[[nodiscard]] bool createUserTables(const Volumes& volumes);

}  // namespace store
