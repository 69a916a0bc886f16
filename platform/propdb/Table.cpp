#include <algorithm>
#include <map>

#include "platform/propdb/PropDb.h"
#include "platform/propdb/SqliteStatement.h"
#include "platform/propdb/VolumeConnection.h"

namespace platform::propdb {

namespace {

std::string orderBy(const SortOrder& order) {
    return " ORDER BY " + columnName(order.property) +
           (order.flag == SortFlag::Descending ? " DESC" : "") + ", rowid";
}

std::string columnList(const TableDefinition& definition) {
    std::string columns;
    for (std::size_t i = 0; i < definition.properties.size(); ++i)
        columns += (i ? ", " : "") + columnName(definition.properties[i].id);
    return columns;
}

// The non-null columns of the statement's current row, starting at `first`.
PropertyList rowProperties(const SqliteStatement& row, const TableDefinition& definition,
                           int first) {
    PropertyList properties;
    for (std::size_t i = 0; i < definition.properties.size(); ++i) {
        const int column = first + static_cast<int>(i);
        if (!row.isNull(column))
            properties.push_back({definition.properties[i].id, row.text(column)});
    }
    return properties;
}

// The condition "key equals `key`"; a property never written counts as empty.
std::string keyEquals(const SortOrder& order, std::u16string_view key) {
    const std::string column = columnName(order.property);
    return key.empty() ? "(" + column + " = '' OR " + column + " IS NULL)" : column + " = ?1";
}

}  // namespace

Table::Table(Volume& volume, TableDefinition definition, SortOrder order)
    : volume_(volume), definition_(std::move(definition)), order_(order) {}

Table::~Table() = default;

std::uint32_t Table::recordCount() {
    SqliteStatement count(volume_.connection_->db,
                          "SELECT count(*) FROM " + quoteIdentifier(definition_.name));
    if (count.step() != SQLITE_ROW) {
        failWith(count.result());
        return 0;
    }
    setLastError(kErrorSuccess);
    return static_cast<std::uint32_t>(count.number(0));
}

bool Table::seekIndex(std::uint32_t index) {
    SqliteStatement seek(volume_.connection_->db, "SELECT rowid FROM " +
                                                      quoteIdentifier(definition_.name) +
                                                      orderBy(order_) + " LIMIT 1 OFFSET ?");
    seek.bind(1, static_cast<std::int64_t>(index));
    const int rc = seek.step();
    if (rc != SQLITE_ROW) {
        current_ = 0;
        return rc == SQLITE_DONE ? failWithError(kErrorNotFound) : failWith(rc);
    }
    current_ = seek.number(0);
    setLastError(kErrorSuccess);
    return true;
}

bool Table::seekEqual(std::u16string_view key) {
    SqliteStatement seek(volume_.connection_->db,
                         "SELECT rowid FROM " + quoteIdentifier(definition_.name) + " WHERE " +
                             keyEquals(order_, key) + " ORDER BY rowid LIMIT 1");
    if (!key.empty()) seek.bind(1, key);
    const int rc = seek.step();
    if (rc != SQLITE_ROW) {
        current_ = 0;
        return rc == SQLITE_DONE ? failWithError(kErrorNotFound) : failWith(rc);
    }
    current_ = seek.number(0);
    setLastError(kErrorSuccess);
    return true;
}

std::optional<PropertyList> Table::read() {
    if (current_ == 0) {
        failWithError(kErrorNotFound);
        return std::nullopt;
    }
    SqliteStatement row(volume_.connection_->db, "SELECT " + columnList(definition_) + " FROM " +
                                                     quoteIdentifier(definition_.name) +
                                                     " WHERE rowid = ?");
    row.bind(1, current_);
    const int rc = row.step();
    if (rc != SQLITE_ROW) {
        rc == SQLITE_DONE ? failWithError(kErrorNotFound) : failWith(rc);
        return std::nullopt;
    }
    setLastError(kErrorSuccess);
    return rowProperties(row, definition_, 0);
}

std::optional<std::vector<RecordEntry>> Table::readAll() {
    SqliteStatement rows(volume_.connection_->db, "SELECT rowid, " + columnList(definition_) +
                                                      " FROM " + quoteIdentifier(definition_.name) +
                                                      orderBy(order_));
    std::vector<RecordEntry> records;
    while (rows.step() == SQLITE_ROW)
        records.push_back({rows.number(0), rowProperties(rows, definition_, 1)});
    if (rows.result() != SQLITE_DONE) {
        failWith(rows.result());
        return std::nullopt;
    }
    setLastError(kErrorSuccess);
    return records;
}

std::optional<std::vector<RecordEntry>> Table::readEqual(std::u16string_view key) {
    SqliteStatement rows(volume_.connection_->db, "SELECT rowid, " + columnList(definition_) +
                                                      " FROM " + quoteIdentifier(definition_.name) +
                                                      " WHERE " + keyEquals(order_, key) +
                                                      " ORDER BY rowid");
    if (!key.empty()) rows.bind(1, key);
    std::vector<RecordEntry> records;
    while (rows.step() == SQLITE_ROW)
        records.push_back({rows.number(0), rowProperties(rows, definition_, 1)});
    if (rows.result() != SQLITE_DONE) {
        failWith(rows.result());
        return std::nullopt;
    }
    setLastError(kErrorSuccess);
    return records;
}

RecordId Table::write(RecordId id, const PropertyList& properties) {
    if (volume_.connection_->readOnly) {
        failWithError(kErrorAccessDenied);
        return 0;
    }
    sqlite3* db = volume_.connection_->db;
    const std::string table = quoteIdentifier(definition_.name);

    // The record as it will be after the write: stored values overlaid with the
    // given ones. A value of nullopt is a property the record does not hold.
    std::map<std::uint32_t, std::optional<std::u16string>> values;
    for (const auto& property : definition_.properties) values[property.id] = std::nullopt;
    for (const auto& property : properties) {
        if (!values.count(property.id)) {
            failWithError(kErrorInvalidParameter);
            return 0;
        }
    }
    if (id != 0) {
        const RecordId previous = current_;
        current_ = id;
        auto stored = read();
        current_ = previous;
        if (!stored) return 0;
        for (auto& property : *stored) values[property.id] = std::move(property.value);
    }
    for (const auto& property : properties) values[property.id] = property.value;

    for (const auto& order : definition_.sortOrders) {
        const auto& key = values[order.property];
        if (order.flag == SortFlag::NonNull && (!key || key->empty())) {
            failWithError(kErrorInvalidParameter);
            return 0;
        }
        if (!order.unique || !key) continue;
        SqliteStatement clash(db, "SELECT 1 FROM " + table + " WHERE " +
                                      columnName(order.property) + " = ? AND rowid <> ? LIMIT 1");
        clash.bind(1, *key).bind(2, id);
        const int rc = clash.step();
        if (rc == SQLITE_ROW) {
            failWithError(kErrorAlreadyExists);
            return 0;
        }
        if (rc != SQLITE_DONE) {
            failWith(rc);
            return 0;
        }
    }

    std::string sql;
    if (id == 0) {
        sql = "INSERT INTO " + table + "(" + columnList(definition_) + ") VALUES(";
        for (std::size_t i = 0; i < values.size(); ++i) sql += i ? ", ?" : "?";
        sql += ")";
    } else {
        sql = "UPDATE " + table + " SET ";
        std::size_t i = 0;
        for (const auto& property : definition_.properties)
            sql += (i++ ? ", " : "") + columnName(property.id) + " = ?";
        sql += " WHERE rowid = ?";
    }
    SqliteStatement statement(db, sql);
    int parameter = 1;
    for (const auto& property : definition_.properties) {
        const auto& value = values[property.id];
        if (value)
            statement.bind(parameter++, *value);
        else
            statement.bindNull(parameter++);
    }
    if (id != 0) statement.bind(parameter, id);
    if (!statement.run()) {
        failWith(statement.result());
        return 0;
    }
    setLastError(kErrorSuccess);
    return id != 0 ? id : sqlite3_last_insert_rowid(db);
}

bool Table::deleteCurrent() {
    if (volume_.connection_->readOnly) return failWithError(kErrorAccessDenied);
    if (current_ == 0) return failWithError(kErrorNotFound);
    SqliteStatement erase(volume_.connection_->db,
                          "DELETE FROM " + quoteIdentifier(definition_.name) + " WHERE rowid = ?");
    erase.bind(1, current_);
    if (!erase.run()) return failWith(erase.result());
    current_ = 0;
    setLastError(kErrorSuccess);
    return true;
}

}  // namespace platform::propdb
