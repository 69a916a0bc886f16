#pragma once

#include "store/CityList.h"
#include "store/TableSchema.h"

namespace store {

// The city-list table and the update-stamp table of each list.
const TableSchema& citySchemaOf(CityList list);
const TableSchema& updateSchemaOf(CityList list);

}  // namespace store
