#include "store/TableRows.h"

#include "store/FieldWidth.h"

namespace store {

namespace propdb = platform::propdb;

propdb::PropertyList TableRows::toProperties(const Fields& fields) const {
    propdb::PropertyList properties;
    for (std::size_t i = 0; i < schema_.fields.size(); ++i)
        properties.push_back({propdb::propertyId(static_cast<unsigned>(i + 1)),
                              fitToWidth(i < fields.size() ? fields[i] : std::u16string(),
                                         schema_.fields[i].width)});
    return properties;
}

TableRows::Fields TableRows::toFields(const propdb::PropertyList& properties) const {
    Fields fields(schema_.fields.size());
    for (const auto& property : properties) {
        const unsigned number = propdb::propertyNumber(property.id);
        // Properties the table does not define are skipped.
        if (number >= 1 && number <= fields.size() && (property.id & 0xFFFF) == propdb::kTypeString)
            fields[number - 1] = fitToWidth(property.value, schema_.fields[number - 1].width);
    }
    return fields;
}

std::optional<std::vector<TableRows::Fields>> TableRows::list(VolumeSession& session,
                                                              unsigned order) const {
    auto* table = session.open(schema_, order);
    if (!table) return std::nullopt;
    auto records = table->readAll();
    if (!records) return std::nullopt;
    std::vector<Fields> rows;
    rows.reserve(records->size());
    for (const auto& record : *records) rows.push_back(toFields(record.properties));
    return rows;
}

std::optional<TableRows::Fields> TableRows::find(VolumeSession& session, unsigned order,
                                                 std::u16string_view key) const {
    auto* table = session.open(schema_, order);
    if (!table || !table->seekEqual(key)) return std::nullopt;
    auto properties = table->read();
    if (!properties) return std::nullopt;
    return toFields(*properties);
}

std::optional<std::vector<TableRows::Fields>> TableRows::findAll(VolumeSession& session,
                                                                 unsigned order,
                                                                 std::u16string_view key) const {
    auto* table = session.open(schema_, order);
    if (!table) return std::nullopt;
    auto records = table->readEqual(key);
    if (!records) return std::nullopt;
    std::vector<Fields> rows;
    rows.reserve(records->size());
    for (const auto& record : *records) rows.push_back(toFields(record.properties));
    return rows;
}

std::optional<std::uint32_t> TableRows::count(VolumeSession& session) const {
    auto* table = session.open(schema_, 0);
    if (!table) return std::nullopt;
    const auto count = table->recordCount();
    if (propdb::lastError() != propdb::kErrorSuccess) return std::nullopt;
    return count;
}

bool TableRows::add(VolumeSession& session, const Fields& fields) const {
    auto* table = session.open(schema_, 0);
    return table && table->write(0, toProperties(fields)) != 0;
}

bool TableRows::addOrUpdate(VolumeSession& session, const Fields& fields, unsigned keyOrder) const {
    if (add(session, fields)) return true;
    if (propdb::lastError() != propdb::kErrorAlreadyExists) return false;
    const unsigned keyIndex = propdb::propertyNumber(schema_.orders.at(keyOrder).property) - 1;
    const std::u16string key =
        fitToWidth(keyIndex < fields.size() ? fields[keyIndex] : std::u16string(),
                   schema_.fields[keyIndex].width);
    return update(session, keyOrder, key, fields);
}

bool TableRows::update(VolumeSession& session, unsigned order, std::u16string_view key,
                       const Fields& fields) const {
    auto* table = session.open(schema_, order);
    return table && table->seekEqual(key) &&
           table->write(table->currentRecord(), toProperties(fields)) != 0;
}

bool TableRows::remove(VolumeSession& session, unsigned order, std::u16string_view key) const {
    auto* table = session.open(schema_, order);
    return table && table->seekEqual(key) && table->deleteCurrent();
}

}  // namespace store
