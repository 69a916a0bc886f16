#include "store/TableSchema.h"

namespace store {

platform::propdb::TableDefinition TableSchema::definition() const {
    platform::propdb::TableDefinition definition;
    definition.name = name;
    definition.type = 0;
    definition.sortOrders = orders;
    for (std::size_t i = 0; i < fields.size(); ++i)
        definition.properties.push_back({platform::propdb::propertyId(static_cast<unsigned>(i + 1)),
                                         std::u16string(fields[i].name)});
    return definition;
}

}  // namespace store
