#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/TableSchema.h"
#include "store/VolumeSession.h"

namespace store {

// The operations every store table offers, on records given as their fields in
// property order. Text is cut to the field widths before it is written.
class TableRows final {
public:
    using Fields = std::vector<std::u16string>;

    explicit TableRows(const TableSchema& schema) : schema_(schema) {}

    std::optional<std::vector<Fields>> list(VolumeSession& session, unsigned order) const;
    std::optional<Fields> find(VolumeSession& session, unsigned order,
                               std::u16string_view key) const;
    // Every record whose `order` key equals `key`, in the store's own order.
    std::optional<std::vector<Fields>> findAll(VolumeSession& session, unsigned order,
                                               std::u16string_view key) const;
    std::optional<std::uint32_t> count(VolumeSession& session) const;
    // Fails with already-exists when a unique key is taken.
    bool add(VolumeSession& session, const Fields& fields) const;
    // Adds; on a clash of a unique key, updates the record whose `keyOrder`
    // key equals the record's own.
    bool addOrUpdate(VolumeSession& session, const Fields& fields, unsigned keyOrder) const;
    bool update(VolumeSession& session, unsigned order, std::u16string_view key,
                const Fields& fields) const;
    bool remove(VolumeSession& session, unsigned order, std::u16string_view key) const;

    const TableSchema& schema() const { return schema_; }

private:
    platform::propdb::PropertyList toProperties(const Fields& fields) const;
    Fields toFields(const platform::propdb::PropertyList& properties) const;

    const TableSchema& schema_;
};

}  // namespace store
