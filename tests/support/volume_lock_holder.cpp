// Another process's hold on a volume, for busy-volume tests: opens the volume,
// begins a transaction of the given kind and takes its lock, prints "held",
// and keeps it until its standard input closes; then it rolls back.
//   volume_lock_holder <volume> write|exclusive
//
// "write" (BEGIN IMMEDIATE) is a writer mid-transaction: others still read but
// cannot write. "exclusive" (BEGIN EXCLUSIVE) keeps readers out as well.

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const bool exclusive = std::strcmp(argv[2], "exclusive") == 0;
    if (!exclusive && std::strcmp(argv[2], "write") != 0) return 2;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) return 1;
    if (sqlite3_exec(db, exclusive ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE", nullptr, nullptr,
                     nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    char buffer[64];
    while (read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
    }
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return 0;
}
