#include <sqlite3.h>

#include <thread>

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

int Volume::Connection::waitWhileBusy(void* context, int attempt) {
    auto* connection = static_cast<Connection*>(context);
    const auto now = std::chrono::steady_clock::now();
    if (attempt == 0) connection->busySince = now;
    if (now - connection->busySince >= kBusyTimeout) return 0;
    // SQLite's own handler backs off to 100 ms sleeps; operations here take
    // about a millisecond, so poll far more often.
    std::this_thread::sleep_for(std::chrono::microseconds(attempt < 20 ? 200 : 1000));
    return 1;
}

std::string columnName(std::uint32_t propertyId) {
    return "p" + std::to_string(propertyNumber(propertyId));
}

}  // namespace platform::propdb
