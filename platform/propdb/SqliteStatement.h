#pragma once

// A prepared SQLite statement that finalizes itself; shared by the propdb and
// registry stand-ins.

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::propdb {

class SqliteStatement final {
public:
    SqliteStatement(sqlite3* db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool ok() const { return statement_ != nullptr; }
    // The result of preparing, or of the last step.
    int result() const { return result_; }

    SqliteStatement& bind(int index, std::u16string_view text);
    SqliteStatement& bind(int index, std::int64_t number);
    SqliteStatement& bindNull(int index);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    // Steps to completion; true when the statement ran without error.
    bool run();

    bool isNull(int column) const;
    std::u16string text(int column) const;
    std::int64_t number(int column) const;

private:
    sqlite3_stmt* statement_ = nullptr;
    int result_ = SQLITE_OK;
};

// Runs SQL without results; returns the SQLite result code.
int sqliteExec(sqlite3* db, const char* sql);

// "name" quoted as an SQL identifier.
std::string quoteIdentifier(std::u16string_view name);

}  // namespace platform::propdb
