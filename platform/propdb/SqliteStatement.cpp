#include "platform/propdb/SqliteStatement.h"

#include "platform/text/Utf.h"

namespace platform::propdb {

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) {
    result_ =
        sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr);
    if (result_ != SQLITE_OK) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

SqliteStatement& SqliteStatement::bind(int index, std::u16string_view text) {
    // SQLite copies the text; the columns hold UTF-8 so the sqlite3 shell shows
    // it plainly.
    const std::string utf8 = toUtf8(text);
    if (statement_)
        sqlite3_bind_text(statement_, index, utf8.data(), static_cast<int>(utf8.size()),
                          SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::int64_t number) {
    if (statement_) sqlite3_bind_int64(statement_, index, number);
    return *this;
}

SqliteStatement& SqliteStatement::bindNull(int index) {
    if (statement_) sqlite3_bind_null(statement_, index);
    return *this;
}

int SqliteStatement::step() {
    if (!statement_) return result_;
    result_ = sqlite3_step(statement_);
    return result_;
}

bool SqliteStatement::run() {
    int rc;
    while ((rc = step()) == SQLITE_ROW) {
    }
    return rc == SQLITE_DONE;
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::u16string SqliteStatement::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    const int size = sqlite3_column_bytes(statement_, column);
    return data ? fromUtf8(std::string_view(data, static_cast<std::size_t>(size)))
                : std::u16string();
}

std::int64_t SqliteStatement::number(int column) const {
    return sqlite3_column_int64(statement_, column);
}

int sqliteExec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

std::string quoteIdentifier(std::u16string_view name) {
    std::string quoted = "\"";
    for (char c : toUtf8(name)) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

}  // namespace platform::propdb
