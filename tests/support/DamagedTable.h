#pragma once

// A table of a volume whose page is damaged for the life of the object: the
// table's root page is overwritten with garbage, so every read of the table
// fails while the rest of the volume reads. restore() (or the destructor) puts
// the original page back after checking that nothing was written over the
// garbage meanwhile (untouched()).

#include <filesystem>
#include <string>

namespace testing_support {

class DamagedTable final {
public:
    DamagedTable(std::filesystem::path volume, const std::string& table);
    ~DamagedTable();
    DamagedTable(const DamagedTable&) = delete;
    DamagedTable& operator=(const DamagedTable&) = delete;

    // False when the page could not be found or overwritten.
    bool damaged() const { return damaged_; }
    // The garbage is still there: nothing wrote to the table.
    bool untouched() const;
    // Puts the original page back; false when that failed.
    bool restore();

private:
    std::string readPage() const;
    bool writePage(const std::string& bytes) const;

    std::filesystem::path volume_;
    long offset_ = 0;
    long pageSize_ = 0;
    std::string original_;
    std::string garbage_;
    bool damaged_ = false;
};

}  // namespace testing_support
