#include <sqlite3.h>

#include <thread>

#include "platform/propdb/VolumeConnection.h"

namespace platform::propdb {

namespace {
// The home item and the setup hook are loaded with dlopen and carry this library:
// initial-exec keeps the value in the static TLS block glibc reserves for such
// libraries, so loading one allocates no dynamic TLS block. The sanitizer runtime
// of the test build misreads some dynamic blocks (one that starts 16 bytes into a
// page looks like an old glibc header to it) and crashes the leak check at exit.
[[gnu::tls_model("initial-exec")]] thread_local std::uint32_t t_lastError = kErrorSuccess;
}  // namespace

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
