#pragma once

#include <string_view>
#include <vector>

#include "platform/propdb/PropDb.h"

namespace store {

enum class VolumeKind { City, SystemCity, Rainfall };

struct FieldSchema {
    std::u16string_view name;  // registered with the table, never used for lookups
    unsigned width;            // in UTF-16 units including the terminating zero
};

// A store table: its volume, its properties (property n + 1 is fields[n]) and
// its sort orders.
struct TableSchema {
    std::u16string_view name;
    VolumeKind volume;
    std::vector<FieldSchema> fields;
    std::vector<platform::propdb::SortOrder> orders;

    platform::propdb::TableDefinition definition() const;
};

}  // namespace store
