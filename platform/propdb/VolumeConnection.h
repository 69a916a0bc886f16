#pragma once

// Internals shared by Volume and Table: the open SQLite connection of a mount
// and the translation of SQLite failures into device error codes.

#include <sqlite3.h>

#include <chrono>
#include <string>

#include "platform/propdb/PropDb.h"

namespace platform::propdb {

struct Volume::Connection {
    sqlite3* db = nullptr;
    bool inTransaction = false;
    bool readOnly = false;
    std::string fileIdentity;  // device, inode and change time of the volume file
    std::chrono::steady_clock::time_point busySince;

    // Waits for another process's mount to end: short sleeps, so a waiting
    // mount starts soon after the other unmounts, until the busy time-out.
    static int waitWhileBusy(void* connection, int attempt);

    // Starts the mount's transaction: deferred when read-only, else immediate.
    int begin();

    ~Connection();
};

inline constexpr std::chrono::milliseconds kBusyTimeout{10000};

// Sets lastError() from an SQLite result code and returns false.
bool failWith(int sqliteResult);
bool failWithError(std::uint32_t error);

// Column name of a property: "p" + its number.
std::string columnName(std::uint32_t propertyId);

}  // namespace platform::propdb
