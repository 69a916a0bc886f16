// Leaves a hot journal beside a volume, as a writer killed mid-transaction
// does: opens the volume, changes the user's cities and adds many forecast rows
// in one transaction with a tiny page cache, so that SQLite spills changed pages
// into the volume file itself, then prints "spilled" and waits to be killed.
//   installer_hot_journal_writer <volume>

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) return 1;
    const std::string filler(400, 'x');
    const std::string work =
        "PRAGMA journal_mode=TRUNCATE; PRAGMA cache_size=10; BEGIN IMMEDIATE;"
        "UPDATE UsersAddTeVoWeather SET p3 = 'half-written';"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
        "INSERT INTO CityUpdateDateTeVoWeather(p1, p2, p3) "
        "SELECT i, 'half-written', '" +
        filler + "' FROM n;";
    if (sqlite3_exec(db, work.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        return 1;
    }
    std::printf("spilled\n");
    std::fflush(stdout);
    for (;;) pause();
}
