#include "tests/support/DamagedTable.h"

#include <sqlite3.h>

#include <fstream>

namespace testing_support {

DamagedTable::DamagedTable(std::filesystem::path volume, const std::string& table)
    : volume_(std::move(volume)) {
    sqlite3* db = nullptr;
    sqlite3_stmt* query = nullptr;
    long page = 0;
    long pageSize = 0;
    if (sqlite3_open_v2(volume_.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db,
                           "SELECT rootpage, (SELECT page_size FROM pragma_page_size) "
                           "FROM sqlite_master WHERE type = 'table' AND name = ?",
                           -1, &query, nullptr) == SQLITE_OK &&
        sqlite3_bind_text(query, 1, table.c_str(), -1, SQLITE_TRANSIENT) == SQLITE_OK &&
        sqlite3_step(query) == SQLITE_ROW) {
        page = sqlite3_column_int64(query, 0);
        pageSize = sqlite3_column_int64(query, 1);
    }
    sqlite3_finalize(query);
    sqlite3_close(db);
    if (page <= 1 || pageSize <= 0) return;  // page 1 holds the volume's header
    offset_ = (page - 1) * pageSize;
    pageSize_ = pageSize;
    original_ = readPage();
    garbage_.assign(pageSize, '\x5a');
    damaged_ = !original_.empty() && writePage(garbage_);
}

DamagedTable::~DamagedTable() {
    restore();
}

bool DamagedTable::untouched() const {
    return damaged_ && readPage() == garbage_;
}

bool DamagedTable::restore() {
    if (!damaged_) return true;
    damaged_ = !writePage(original_);
    return !damaged_;
}

std::string DamagedTable::readPage() const {
    std::string bytes(pageSize_, '\0');
    std::ifstream file(volume_, std::ios::binary);
    file.seekg(offset_);
    if (!file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return {};
    return bytes;
}

bool DamagedTable::writePage(const std::string& bytes) const {
    std::fstream file(volume_, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(offset_);
    return static_cast<bool>(file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
}

}  // namespace testing_support
