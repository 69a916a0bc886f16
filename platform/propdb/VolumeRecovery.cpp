#include <sqlite3.h>

#include <system_error>

#include "platform/propdb/PropDb.h"
#include "platform/propdb/SqliteStatement.h"
#include "platform/propdb/VolumeConnection.h"

namespace platform::propdb {

bool isVolumeCompanion(std::string_view fileName) {
    for (std::string_view suffix : {"-journal", "-wal", "-shm"}) {
        if (fileName.size() > suffix.size() &&
            fileName.substr(fileName.size() - suffix.size()) == suffix)
            return true;
    }
    return false;
}

bool Volume::recover(const std::filesystem::path& file) {
    // SQLite itself decides what a journal beside the file means when it takes
    // the first lock: a hot journal is played back into its volume, and one
    // whose volume is empty or gone is a remnant that it discards.
    const auto letSqliteRecover = [&](int flags) {
        Connection connection;  // closes the file when it goes
        int rc =
            sqlite3_open_v2(file.c_str(), &connection.db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc == SQLITE_OK) {
            sqlite3_busy_handler(connection.db, Connection::waitWhileBusy, &connection);
            // The first read takes the shared lock, which is where SQLite
            // looks at the journal; a read writes nothing else.
            rc = sqliteExec(connection.db, "SELECT count(*) FROM sqlite_master");
        }
        return rc == SQLITE_OK || failWith(rc);
    };
    std::error_code error;
    if (std::filesystem::exists(file, error)) return letSqliteRecover(SQLITE_OPEN_READWRITE);
    const std::filesystem::path journal = std::filesystem::path(file).concat("-journal");
    if (!std::filesystem::exists(journal, error)) return true;
    // A journal without its volume: SQLite discards it through an empty
    // stand-in of the volume, which is taken away again.
    const bool ok = letSqliteRecover(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (std::filesystem::file_size(file, error) == 0 && !error)
        std::filesystem::remove(file, error);
    return ok;
}

}  // namespace platform::propdb
