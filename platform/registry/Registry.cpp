#include "platform/registry/Registry.h"

#include <sqlite3.h>

#include <functional>

#include "platform/device/DevicePath.h"
#include "platform/propdb/SqliteStatement.h"
#include "platform/text/Utf.h"

namespace platform {

using propdb::SqliteStatement;

namespace {

constexpr int kBusyTimeoutMs = 10000;

// Canonical form of a key path: hive prefix, "\"-separated components without
// empty ones, ASCII upper case for comparison.
std::u16string normalise(RegistryHive hive, std::u16string_view key, bool forCompare) {
    std::u16string path = hive == RegistryHive::CurrentUser ? u"HKCU" : u"HKLM";
    std::u16string component;
    auto flush = [&] {
        if (!component.empty()) path += u'\\' + component;
        component.clear();
    };
    for (char16_t c : key) {
        if (c == u'\\' || c == u'/')
            flush();
        else
            component += c;
    }
    flush();
    return forCompare ? toUpperAscii(path) : path;
}

std::u16string parentOf(const std::u16string& path) {
    const auto cut = path.rfind(u'\\');
    return cut == std::u16string::npos ? std::u16string() : path.substr(0, cut);
}

// One connection per call, inside one immediate transaction.
class Session final {
public:
    explicit Session(const std::filesystem::path& file) {
        std::error_code error;
        if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
        if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK)
            return;
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
        propdb::sqliteExec(db_, "PRAGMA journal_mode=TRUNCATE");
        if (propdb::sqliteExec(db_, "BEGIN IMMEDIATE") != SQLITE_OK) return;
        open_ = propdb::sqliteExec(
                    db_,
                    "CREATE TABLE IF NOT EXISTS registry_keys("
                    "folded TEXT PRIMARY KEY, path TEXT NOT NULL, parent TEXT NOT NULL);"
                    "CREATE INDEX IF NOT EXISTS registry_keys_parent ON registry_keys(parent);"
                    "CREATE TABLE IF NOT EXISTS registry_values("
                    "key TEXT NOT NULL, folded_name TEXT NOT NULL, name TEXT NOT NULL,"
                    " type INTEGER NOT NULL, value, PRIMARY KEY(key, folded_name));") == SQLITE_OK;
    }
    ~Session() {
        if (db_ && open_) propdb::sqliteExec(db_, committed_ ? "" : "ROLLBACK");
        sqlite3_close_v2(db_);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool ok() const { return open_; }
    sqlite3* db() const { return db_; }
    bool commit() {
        committed_ = propdb::sqliteExec(db_, "COMMIT") == SQLITE_OK;
        return committed_;
    }

    bool keyExists(const std::u16string& folded) {
        SqliteStatement find(db_, "SELECT 1 FROM registry_keys WHERE folded = ?");
        find.bind(1, folded);
        return find.step() == SQLITE_ROW;
    }

    bool createKey(const std::u16string& path) {
        const std::u16string folded = toUpperAscii(path);
        if (keyExists(folded)) return true;
        const std::u16string parent = parentOf(path);
        // The hive roots ("HKCU", "HKLM") always exist and are not stored.
        if (parent.find(u'\\') != std::u16string::npos && !createKey(parent)) return false;
        SqliteStatement insert(db_,
                               "INSERT INTO registry_keys(folded, path, parent) VALUES(?, ?, ?)");
        return insert.bind(1, folded).bind(2, path).bind(3, toUpperAscii(parent)).run();
    }

private:
    sqlite3* db_ = nullptr;
    bool open_ = false;
    bool committed_ = false;
};

template <class F>
auto inSession(const std::filesystem::path& file, F&& work)
    -> decltype(work(std::declval<Session&>())) {
    Session session(file);
    if (!session.ok()) return {};
    auto result = work(session);
    if (!session.commit()) return {};
    return result;
}

bool setValue(const std::filesystem::path& file, RegistryHive hive, std::u16string_view key,
              std::u16string_view name, RegistryValueType type,
              const std::function<void(SqliteStatement&, int)>& bindValue) {
    return inSession(file, [&](Session& session) {
        const std::u16string path = normalise(hive, key, false);
        if (!session.createKey(path)) return false;
        SqliteStatement upsert(session.db(),
                               "INSERT OR REPLACE INTO registry_values(key, folded_name, name, "
                               "type, value) VALUES(?, ?, ?, ?, ?)");
        upsert.bind(1, toUpperAscii(path)).bind(2, toUpperAscii(name)).bind(3, name);
        upsert.bind(4, static_cast<std::int64_t>(type));
        bindValue(upsert, 5);
        return upsert.run();
    });
}

std::optional<RegistryValue> getValue(const std::filesystem::path& file, RegistryHive hive,
                                      std::u16string_view key, std::u16string_view name) {
    return inSession(file, [&](Session& session) -> std::optional<RegistryValue> {
        SqliteStatement find(session.db(),
                             "SELECT name, type, value FROM registry_values "
                             "WHERE key = ? AND folded_name = ?");
        find.bind(1, normalise(hive, key, true)).bind(2, toUpperAscii(name));
        if (find.step() != SQLITE_ROW) return std::nullopt;
        RegistryValue value{find.text(0), static_cast<RegistryValueType>(find.number(1)), {}, 0};
        if (value.type == RegistryValueType::Dword)
            value.number = static_cast<std::uint32_t>(find.number(2));
        else
            value.text = find.text(2);
        return value;
    });
}

}  // namespace

Registry Registry::forDevice() {
    return Registry(hostPath(kRegistryFile));
}

Registry::Registry(std::filesystem::path file) : file_(std::move(file)) {}

bool Registry::createKey(RegistryHive hive, std::u16string_view key) const {
    return inSession(
        file_, [&](Session& session) { return session.createKey(normalise(hive, key, false)); });
}

bool Registry::keyExists(RegistryHive hive, std::u16string_view key) const {
    return inSession(
        file_, [&](Session& session) { return session.keyExists(normalise(hive, key, true)); });
}

bool Registry::deleteKey(RegistryHive hive, std::u16string_view key) const {
    return inSession(file_, [&](Session& session) {
        const std::u16string folded = normalise(hive, key, true);
        if (folded.find(u'\\') == std::u16string::npos || !session.keyExists(folded)) return false;
        // The key, everything below it and all their values. '\' sorts before
        // every letter and digit, so the prefix range is exact.
        const std::u16string below = folded + u'\\';
        SqliteStatement values(session.db(),
                               "DELETE FROM registry_values WHERE key = ? OR "
                               "substr(key, 1, length(?)) = ?");
        SqliteStatement keys(session.db(),
                             "DELETE FROM registry_keys WHERE folded = ? OR "
                             "substr(folded, 1, length(?)) = ?");
        return values.bind(1, folded).bind(2, below).bind(3, below).run() &&
               keys.bind(1, folded).bind(2, below).bind(3, below).run();
    });
}

std::vector<std::u16string> Registry::subKeys(RegistryHive hive, std::u16string_view key) const {
    return inSession(file_, [&](Session& session) {
        std::vector<std::u16string> names;
        SqliteStatement list(session.db(),
                             "SELECT path FROM registry_keys WHERE parent = ? ORDER BY rowid");
        list.bind(1, normalise(hive, key, true));
        while (list.step() == SQLITE_ROW) {
            const std::u16string path = list.text(0);
            names.push_back(path.substr(path.rfind(u'\\') + 1));
        }
        return names;
    });
}

bool Registry::setString(RegistryHive hive, std::u16string_view key, std::u16string_view name,
                         std::u16string_view value) const {
    return setValue(file_, hive, key, name, RegistryValueType::String,
                    [&](SqliteStatement& statement, int index) { statement.bind(index, value); });
}

bool Registry::setDword(RegistryHive hive, std::u16string_view key, std::u16string_view name,
                        std::uint32_t value) const {
    return setValue(file_, hive, key, name, RegistryValueType::Dword,
                    [&](SqliteStatement& statement, int index) {
                        statement.bind(index, static_cast<std::int64_t>(value));
                    });
}

std::optional<std::u16string> Registry::getString(RegistryHive hive, std::u16string_view key,
                                                  std::u16string_view name) const {
    auto value = getValue(file_, hive, key, name);
    if (!value || value->type != RegistryValueType::String) return std::nullopt;
    return value->text;
}

std::optional<std::uint32_t> Registry::getDword(RegistryHive hive, std::u16string_view key,
                                                std::u16string_view name) const {
    auto value = getValue(file_, hive, key, name);
    if (!value || value->type != RegistryValueType::Dword) return std::nullopt;
    return value->number;
}

bool Registry::deleteValue(RegistryHive hive, std::u16string_view key,
                           std::u16string_view name) const {
    return inSession(file_, [&](Session& session) {
        SqliteStatement erase(session.db(),
                              "DELETE FROM registry_values WHERE key = ? AND folded_name = ?");
        return erase.bind(1, normalise(hive, key, true)).bind(2, toUpperAscii(name)).run() &&
               sqlite3_changes(session.db()) > 0;
    });
}

std::vector<RegistryValue> Registry::values(RegistryHive hive, std::u16string_view key) const {
    return inSession(file_, [&](Session& session) {
        std::vector<RegistryValue> result;
        SqliteStatement list(session.db(),
                             "SELECT name, type, value FROM registry_values WHERE key = ? "
                             "ORDER BY rowid");
        list.bind(1, normalise(hive, key, true));
        while (list.step() == SQLITE_ROW) {
            RegistryValue value{
                list.text(0), static_cast<RegistryValueType>(list.number(1)), {}, 0};
            if (value.type == RegistryValueType::Dword)
                value.number = static_cast<std::uint32_t>(list.number(2));
            else
                value.text = list.text(2);
            result.push_back(std::move(value));
        }
        return result;
    });
}

}  // namespace platform
