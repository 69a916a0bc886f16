#pragma once

namespace store {

// The user's three city lists, each with its own update-stamp table.
enum class CityList { ThreeDay, Weekly, OnDemand };

}  // namespace store
