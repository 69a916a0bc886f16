#pragma once

// Internals shared by Volume and Table: the open SQLite connection of a mount
// and the translation of SQLite failures into device error codes.

#include <sqlite3.h>

#include <string>

#include "platform/propdb/PropDb.h"

namespace platform::propdb {

struct Volume::Connection {
    sqlite3* db = nullptr;
    bool inTransaction = false;

    ~Connection();
};

// Sets lastError() from an SQLite result code and returns false.
bool failWith(int sqliteResult);
bool failWithError(std::uint32_t error);

// Column name of a property: "p" + its number.
std::string columnName(std::uint32_t propertyId);

}  // namespace platform::propdb
