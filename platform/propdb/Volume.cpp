#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <system_error>

#include "platform/propdb/PropDb.h"
#include "platform/propdb/SqliteStatement.h"
#include "platform/propdb/VolumeConnection.h"
#include "platform/text/Utf.h"

namespace platform::propdb {

namespace {

const char* flagName(SortFlag flag) {
    switch (flag) {
        case SortFlag::Descending:
            return "descending";
        case SortFlag::NonNull:
            return "nonnull";
        case SortFlag::Ascending:
            break;
    }
    return "ascending";
}

SortFlag flagFromName(const std::u16string& name) {
    if (name == u"descending") return SortFlag::Descending;
    if (name == u"nonnull") return SortFlag::NonNull;
    return SortFlag::Ascending;
}

bool createCatalogue(sqlite3* db) {
    return sqliteExec(db,
                      "CREATE TABLE IF NOT EXISTS propdb_tables("
                      "name TEXT PRIMARY KEY, type INTEGER NOT NULL);"
                      "CREATE TABLE IF NOT EXISTS propdb_properties("
                      "table_name TEXT NOT NULL, number INTEGER NOT NULL, id INTEGER NOT NULL,"
                      " name TEXT NOT NULL, PRIMARY KEY(table_name, number));"
                      "CREATE TABLE IF NOT EXISTS propdb_sort_orders("
                      "table_name TEXT NOT NULL, position INTEGER NOT NULL,"
                      " property INTEGER NOT NULL, is_unique INTEGER NOT NULL, flag TEXT NOT NULL,"
                      " PRIMARY KEY(table_name, position));") == SQLITE_OK;
}

// A volume holds the catalogue; an empty SQLite file becomes a volume. Any other
// content is somebody else's data and must not be touched.
// A read-only mount leaves an empty file as it is: it holds no table yet.
bool checkOrInitialiseCatalogue(sqlite3* db, bool readOnly) {
    SqliteStatement schema(db,
                           "SELECT count(*), sum(name = 'propdb_tables') FROM sqlite_master "
                           "WHERE type = 'table'");
    if (!schema.ok() || schema.step() != SQLITE_ROW) return failWith(schema.result());
    if (schema.number(1) > 0) return true;
    if (schema.number(0) > 0) return failWithError(kErrorBadFormat);
    if (readOnly) return failWithError(kErrorFileNotFound);
    if (!createCatalogue(db)) return failWith(sqlite3_errcode(db));
    return true;
}

enum class FileState { Missing, Empty, Volume, NotVolume };

// Table definitions found by read-only mounts, per volume file. Inside one
// file a table, once committed, keeps its definition (tables are created,
// never altered or dropped), and a volume replaced on disk is another file
// (another inode, another change time); so a reader reuses what an earlier
// reader of the same file found instead of reading the catalogue again. A
// writing mount always reads it: it may see a table its own transaction made
// and may still roll back.
class DefinitionCache {
public:
    std::optional<TableDefinition> find(const std::string& file, std::u16string_view name) {
        std::lock_guard lock(mutex_);
        const auto tables = files_.find(file);
        if (tables == files_.end()) return std::nullopt;
        const auto table = tables->second.find(std::u16string(name));
        if (table == tables->second.end()) return std::nullopt;
        return table->second;
    }
    void keep(const std::string& file, const TableDefinition& definition) {
        std::lock_guard lock(mutex_);
        if (files_.size() > 64) files_.clear();  // volumes come and go in tests
        files_[file][definition.name] = definition;
    }

private:
    std::mutex mutex_;
    std::map<std::string, std::map<std::u16string, TableDefinition>> files_;
};

DefinitionCache& definitionCache() {
    static DefinitionCache cache;
    return cache;
}

// SQLite takes a file shorter than one page for an empty database, so a volume
// cut short would be silently started afresh. A volume file is a regular file
// that starts with the SQLite header and is a whole number of pages long.
// `identity` names the file as it is now (device, inode, change time).
FileState inspect(const std::filesystem::path& file, std::string& identity) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? FileState::Missing : FileState::NotVolume;
    struct stat status {};
    unsigned char header[100] = {};
    FileState state = FileState::NotVolume;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        identity = std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino) + ":" +
                   std::to_string(status.st_ctim.tv_sec) + "." +
                   std::to_string(status.st_ctim.tv_nsec);
        const auto size = static_cast<std::uintmax_t>(status.st_size);
        static constexpr char kMagic[] = "SQLite format 3";
        if (size == 0) {
            state = FileState::Empty;
        } else if (::pread(fd, header, sizeof header, 0) == sizeof header &&
                   std::memcmp(header, kMagic, sizeof kMagic) == 0) {
            std::uintmax_t pageSize = (header[16] << 8) | header[17];
            if (pageSize == 1) pageSize = 65536;
            if (pageSize >= 512 && size % pageSize == 0) state = FileState::Volume;
        }
    }
    ::close(fd);
    return state;
}

bool validDefinition(const TableDefinition& definition) {
    if (definition.name.empty() || definition.properties.empty() ||
        definition.properties.size() > kMaxProperties ||
        definition.sortOrders.size() > kMaxSortOrders)
        return false;
    std::set<unsigned> numbers;
    for (const auto& property : definition.properties) {
        const unsigned number = propertyNumber(property.id);
        if ((property.id & 0xFFFF) != kTypeString || number == 0 || !numbers.insert(number).second)
            return false;
    }
    return std::all_of(definition.sortOrders.begin(), definition.sortOrders.end(),
                       [&](const SortOrder& order) {
                           return (order.property & 0xFFFF) == kTypeString &&
                                  numbers.count(propertyNumber(order.property)) > 0;
                       });
}

}  // namespace

int Volume::Connection::begin() {
    return sqliteExec(db, readOnly ? "BEGIN DEFERRED" : "BEGIN IMMEDIATE");
}

Volume::Connection::~Connection() {
    if (!db) return;
    if (inTransaction) sqliteExec(db, "ROLLBACK");
    sqlite3_close_v2(db);
}

Volume::Volume(std::filesystem::path file, std::unique_ptr<Connection> connection)
    : file_(std::move(file)), connection_(std::move(connection)) {}

Volume::~Volume() = default;

std::unique_ptr<Volume> Volume::mount(const std::filesystem::path& file, MountMode mode,
                                      MountAccess access) {
    std::string identity;
    const FileState state = inspect(file, identity);
    if (state == FileState::NotVolume) {
        failWithError(kErrorBadFormat);
        return nullptr;
    }
    const bool readOnly = access == MountAccess::ReadOnly;
    if (state == FileState::Missing) {
        if (mode == MountMode::OpenExisting || readOnly) {
            failWithError(kErrorFileNotFound);
            return nullptr;
        }
        std::error_code error;
        if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
    }

    auto connection = std::make_unique<Connection>();
    connection->readOnly = readOnly;
    connection->fileIdentity = std::move(identity);
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX |
                      (mode == MountMode::OpenAlways ? SQLITE_OPEN_CREATE : 0);
    int rc = sqlite3_open_v2(file.c_str(), &connection->db, flags, nullptr);
    if (rc != SQLITE_OK) {
        failWith(rc);
        return nullptr;
    }
    sqlite3_extended_result_codes(connection->db, 1);
    sqlite3_busy_handler(connection->db, Connection::waitWhileBusy, connection.get());
    // A rollback journal that is emptied, not deleted, at each commit. Every
    // mount is short, so write-ahead logging would buy little concurrency,
    // while each fresh connection would have to rebuild the log's index. A
    // killed process leaves a journal that the next mount rolls back.
    // Both settings concern writing only; a read-only mount goes without.
    if (!readOnly)
        sqliteExec(connection->db, "PRAGMA journal_mode=TRUNCATE; PRAGMA synchronous=NORMAL");

    rc = connection->begin();
    if (rc != SQLITE_OK) {
        failWith(rc);
        return nullptr;
    }
    connection->inTransaction = true;
    setLastError(kErrorSuccess);
    return std::unique_ptr<Volume>(new Volume(file, std::move(connection)));
}

bool Volume::flush() {
    if (!connection_ || !connection_->inTransaction) return failWithError(kErrorInvalidParameter);
    int rc = sqliteExec(connection_->db, "COMMIT");
    if (rc != SQLITE_OK) return failWith(rc);
    connection_->inTransaction = false;
    rc = connection_->begin();
    if (rc != SQLITE_OK) return failWith(rc);
    connection_->inTransaction = true;
    return true;
}

bool Volume::unmount() {
    if (!connection_) return failWithError(kErrorInvalidParameter);
    bool ok = true;
    if (connection_->inTransaction) {
        const int rc = sqliteExec(connection_->db, "COMMIT");
        if (rc != SQLITE_OK)
            ok = failWith(rc);
        else
            connection_->inTransaction = false;
    }
    connection_.reset();  // a failed commit is rolled back here
    return ok;
}

std::optional<TableDefinition> Volume::tableDefinition(std::u16string_view name) {
    if (!connection_) {
        failWithError(kErrorInvalidParameter);
        return std::nullopt;
    }
    const bool cached = connection_->readOnly && !connection_->fileIdentity.empty();
    if (cached) {
        if (auto definition = definitionCache().find(connection_->fileIdentity, name)) {
            setLastError(kErrorSuccess);
            return definition;
        }
    }
    sqlite3* db = connection_->db;
    SqliteStatement table(db, "SELECT type FROM propdb_tables WHERE name = ?");
    if (!table.ok() && (table.result() & 0xFF) != SQLITE_ERROR) {
        failWith(table.result());  // busy or damaged: the catalogue could not be read
        return std::nullopt;
    }
    if (!table.ok()) {
        // No catalogue yet: an empty file becomes a volume here, anything else
        // is refused untouched.
        if (checkOrInitialiseCatalogue(db, connection_->readOnly))
            failWithError(kErrorFileNotFound);
        return std::nullopt;
    }
    table.bind(1, name);
    const int rc = table.step();
    if (rc != SQLITE_ROW) {
        if (rc == SQLITE_DONE)
            failWithError(kErrorFileNotFound);
        else
            failWith(rc);
        return std::nullopt;
    }
    TableDefinition definition;
    definition.name = name;
    definition.type = static_cast<std::uint32_t>(table.number(0));

    SqliteStatement properties(
        db, "SELECT id, name FROM propdb_properties WHERE table_name = ? ORDER BY number");
    properties.bind(1, name);
    while (properties.step() == SQLITE_ROW)
        definition.properties.push_back(
            {static_cast<std::uint32_t>(properties.number(0)), properties.text(1)});
    if (properties.result() != SQLITE_DONE) {
        failWith(properties.result());
        return std::nullopt;
    }

    SqliteStatement orders(db,
                           "SELECT property, is_unique, flag FROM propdb_sort_orders "
                           "WHERE table_name = ? ORDER BY position");
    orders.bind(1, name);
    while (orders.step() == SQLITE_ROW)
        definition.sortOrders.push_back({static_cast<std::uint32_t>(orders.number(0)),
                                         orders.number(1) != 0, flagFromName(orders.text(2))});
    if (orders.result() != SQLITE_DONE) {
        failWith(orders.result());
        return std::nullopt;
    }
    if (cached) definitionCache().keep(connection_->fileIdentity, definition);
    return definition;
}

std::unique_ptr<Table> Volume::openTable(std::u16string_view name, const SortOrder& order) {
    auto definition = tableDefinition(name);
    if (!definition) return nullptr;
    const auto& orders = definition->sortOrders;
    if (std::find(orders.begin(), orders.end(), order) == orders.end()) {
        failWithError(kErrorInvalidParameter);
        return nullptr;
    }
    setLastError(kErrorSuccess);
    return std::unique_ptr<Table>(new Table(*this, std::move(*definition), order));
}

bool Volume::createTable(const TableDefinition& definition) {
    if (!connection_ || !validDefinition(definition)) return failWithError(kErrorInvalidParameter);
    if (connection_->readOnly) return failWithError(kErrorAccessDenied);
    sqlite3* db = connection_->db;
    if (tableDefinition(definition.name)) return failWithError(kErrorAlreadyExists);
    if (lastError() != kErrorFileNotFound) return false;

    // All or nothing: a failure half-way must not leave a table without its
    // catalogue entries.
    if (sqliteExec(db, "SAVEPOINT create_table") != SQLITE_OK) return failWith(sqlite3_errcode(db));
    auto fail = [&](int rc) {
        sqliteExec(db, "ROLLBACK TO create_table");
        sqliteExec(db, "RELEASE create_table");
        return rc == SQLITE_ERROR ? failWithError(kErrorAlreadyExists) : failWith(rc);
    };

    const std::string table = quoteIdentifier(definition.name);
    std::string sql = "CREATE TABLE " + table + "(";
    for (std::size_t i = 0; i < definition.properties.size(); ++i)
        sql += (i ? ", " : "") + columnName(definition.properties[i].id) + " TEXT";
    sql += ")";
    if (int rc = sqliteExec(db, sql.c_str()); rc != SQLITE_OK) return fail(rc);

    // One index per sort order; its entries run in key order and, for equal
    // keys, in row order, which is the order the records were added in.
    for (std::size_t i = 0; i < definition.sortOrders.size(); ++i) {
        const auto& order = definition.sortOrders[i];
        const std::string index =
            quoteIdentifier(definition.name + u"#s" + fromInt(static_cast<long long>(i)));
        sql = "CREATE INDEX " + index + " ON " + table + "(" + columnName(order.property) +
              (order.flag == SortFlag::Descending ? " DESC" : "") + ")";
        if (int rc = sqliteExec(db, sql.c_str()); rc != SQLITE_OK) return fail(rc);
    }

    SqliteStatement tableRow(db, "INSERT INTO propdb_tables(name, type) VALUES(?, ?)");
    if (!tableRow.bind(1, definition.name)
             .bind(2, static_cast<std::int64_t>(definition.type))
             .run())
        return fail(tableRow.result());
    for (std::size_t i = 0; i < definition.properties.size(); ++i) {
        const auto& property = definition.properties[i];
        SqliteStatement row(
            db, "INSERT INTO propdb_properties(table_name, number, id, name) VALUES(?, ?, ?, ?)");
        if (!row.bind(1, definition.name)
                 .bind(2, static_cast<std::int64_t>(propertyNumber(property.id)))
                 .bind(3, static_cast<std::int64_t>(property.id))
                 .bind(4, property.name)
                 .run())
            return fail(row.result());
    }
    for (std::size_t i = 0; i < definition.sortOrders.size(); ++i) {
        const auto& order = definition.sortOrders[i];
        SqliteStatement row(db,
                            "INSERT INTO propdb_sort_orders(table_name, position, property, "
                            "is_unique, flag) VALUES(?, ?, ?, ?, ?)");
        const std::string flag = flagName(order.flag);
        if (!row.bind(1, definition.name)
                 .bind(2, static_cast<std::int64_t>(i))
                 .bind(3, static_cast<std::int64_t>(order.property))
                 .bind(4, static_cast<std::int64_t>(order.unique ? 1 : 0))
                 .bind(5, std::u16string(flag.begin(), flag.end()))
                 .run())
            return fail(row.result());
    }
    if (int rc = sqliteExec(db, "RELEASE create_table"); rc != SQLITE_OK) return fail(rc);
    setLastError(kErrorSuccess);
    return true;
}

}  // namespace platform::propdb
