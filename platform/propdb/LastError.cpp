#include <sqlite3.h>

#include "platform/propdb/VolumeConnection.h"

namespace platform::propdb {

namespace {
thread_local std::uint32_t t_lastError = kErrorSuccess;
}

std::uint32_t lastError() {
    return t_lastError;
}

void setLastError(std::uint32_t error) {
    t_lastError = error;
}

bool failWithError(std::uint32_t error) {
    setLastError(error);
    return false;
}

bool failWith(int sqliteResult) {
    switch (sqliteResult & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return failWithError(kErrorBusy);
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
        case SQLITE_FORMAT:
            return failWithError(kErrorBadFormat);
        case SQLITE_CONSTRAINT:
            return failWithError(kErrorAlreadyExists);
        case SQLITE_CANTOPEN:
            return failWithError(kErrorFileNotFound);
        default:
            return failWithError(kErrorIo);
    }
}

std::string columnName(std::uint32_t propertyId) {
    return "p" + std::to_string(propertyNumber(propertyId));
}

}  // namespace platform::propdb
