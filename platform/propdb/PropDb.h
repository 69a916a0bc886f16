#pragma once

// The property database service of the device: volumes of named tables whose
// records are sets of numbered string properties, read and written through one
// of the table's sort orders.
//
// Each volume is one SQLite file; a "-journal" file beside it belongs to it:
// after a crash it holds what rolls the volume back, so it is never copied,
// replaced or deleted by hand (see Volume::recover()). A mount opens the file
// and starts one transaction; unmount commits it. Two processes therefore never
// see each other's half-written work, and a waiting mount blocks for the busy
// time-out instead of failing. A writing mount takes the volume's write lock at
// once; a read-only mount shares the volume with other readers. Inside the file
// each table is an SQL table of the same name with TEXT columns p1, p2, ... and
// the catalogue tables propdb_properties and propdb_sort_orders describe them.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::propdb {

// Error codes of the device, as returned by lastError().
inline constexpr std::uint32_t kErrorSuccess = 0;
inline constexpr std::uint32_t kErrorFileNotFound = 2;
inline constexpr std::uint32_t kErrorAccessDenied = 5;  // a write on a read-only mount
inline constexpr std::uint32_t kErrorBadFormat = 11;    // not a volume, or a damaged one
inline constexpr std::uint32_t kErrorInvalidParameter = 87;
inline constexpr std::uint32_t kErrorBusy = 170;
inline constexpr std::uint32_t kErrorAlreadyExists = 183;
inline constexpr std::uint32_t kErrorNotFound = 1168;  // seek found no record
inline constexpr std::uint32_t kErrorIo = 1117;

// The last error of the calling thread, set by every failing call below.
std::uint32_t lastError();
void setLastError(std::uint32_t error);

inline constexpr std::uint16_t kTypeString = 0x1F;
inline constexpr unsigned kMaxProperties = 64;
inline constexpr unsigned kMaxSortOrders = 16;

// Property identifier: property number (1, 2, ...) in the high 16 bits, value
// type in the low 16 bits.
constexpr std::uint32_t propertyId(unsigned number) {
    return (static_cast<std::uint32_t>(number) << 16) | kTypeString;
}
constexpr unsigned propertyNumber(std::uint32_t id) {
    return id >> 16;
}

enum class SortFlag {
    Ascending,
    Descending,
    NonNull,  // ascending; a record whose key is empty or missing is refused
};

struct SortOrder {
    std::uint32_t property = 0;
    bool unique = false;
    SortFlag flag = SortFlag::Ascending;

    bool operator==(const SortOrder&) const = default;
};

struct PropertyDefinition {
    std::uint32_t id = 0;
    std::u16string name;  // descriptive only, never used for lookups
};

struct TableDefinition {
    std::u16string name;
    std::uint32_t type = 0;
    std::vector<SortOrder> sortOrders;
    std::vector<PropertyDefinition> properties;
};

struct Property {
    std::uint32_t id = 0;
    std::u16string value;
};

// The properties a record holds; a property never written is absent.
using PropertyList = std::vector<Property>;

using RecordId = std::int64_t;  // 0 means "no record" / "new record"

struct RecordEntry {
    RecordId id = 0;
    PropertyList properties;
};

enum class MountMode {
    OpenAlways,    // creates the volume file (and its folder) when absent
    OpenExisting,  // fails with kErrorFileNotFound when absent
};

enum class MountAccess {
    ReadWrite,  // an immediate transaction: the write lock from the start
    ReadOnly,   // a deferred (shared) transaction; creates nothing, and every
                // write fails with kErrorAccessDenied
};

class Table;

// True for the files SQLite keeps beside a volume ("-journal", "-wal", "-shm").
bool isVolumeCompanion(std::string_view fileName);

// A mounted volume. Dropping it without unmount() rolls back everything done
// since the last flush().
class Volume final {
public:
    // Returns nullptr and sets lastError() on failure. A file that is not a
    // valid volume fails with kErrorBadFormat and is left untouched. A
    // read-only mount of a missing file fails with kErrorFileNotFound.
    static std::unique_ptr<Volume> mount(const std::filesystem::path& file, MountMode mode,
                                         MountAccess access = MountAccess::ReadWrite);

    // Lets SQLite settle what a writer killed mid-transaction left beside
    // `file`: a hot journal is rolled back into the volume, and a journal whose
    // volume is gone is discarded. Do this before the volume file is replaced,
    // or the old journal would later be played into the new volume. False
    // (lastError() set) when the volume cannot be opened.
    static bool recover(const std::filesystem::path& file);

    ~Volume();
    Volume(const Volume&) = delete;
    Volume& operator=(const Volume&) = delete;

    // Opens a table through one of its sort orders. Fails with
    // kErrorFileNotFound when the table does not exist and with
    // kErrorInvalidParameter when the order is not one of the table's.
    std::unique_ptr<Table> openTable(std::u16string_view name, const SortOrder& order);

    // Creates an empty table; kErrorAlreadyExists when it exists. A table
    // missing from a read-only mount fails to open with kErrorFileNotFound.
    bool createTable(const TableDefinition& definition);

    // The stored definition of a table, if it exists.
    std::optional<TableDefinition> tableDefinition(std::u16string_view name);

    // Makes everything written so far durable and visible to other processes.
    bool flush();

    // Commits and closes the file. The volume is unusable afterwards.
    bool unmount();

    const std::filesystem::path& file() const { return file_; }

private:
    struct Connection;
    Volume(std::filesystem::path file, std::unique_ptr<Connection> connection);

    friend class Table;
    std::filesystem::path file_;
    std::unique_ptr<Connection> connection_;
};

// A table opened through one sort order, with a current-record position.
// Must not outlive the volume it was opened on.
class Table final {
public:
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    std::uint32_t recordCount();

    // Moves to the n-th record (0-based) of the open order.
    bool seekIndex(std::uint32_t index);
    // Moves to the first record of the open order whose key equals `key`.
    bool seekEqual(std::u16string_view key);

    RecordId currentRecord() const { return current_; }

    // Every property of the current record, in property order.
    std::optional<PropertyList> read();

    // Every record with its properties, in the open order: the same as seeking
    // to each index and reading, in one pass.
    std::optional<std::vector<RecordEntry>> readAll();
    // Every record whose key equals `key`, in the order they were added.
    std::optional<std::vector<RecordEntry>> readEqual(std::u16string_view key);

    // Writes the given properties to record `id`, or to a new record when id is
    // 0; other properties of an existing record keep their values. Returns the
    // record's id, or 0 on failure (kErrorAlreadyExists on a unique-key clash,
    // kErrorInvalidParameter on an empty non-null key or an unknown property).
    RecordId write(RecordId id, const PropertyList& properties);

    // Deletes the current record.
    bool deleteCurrent();

    const TableDefinition& definition() const { return definition_; }
    const SortOrder& order() const { return order_; }

private:
    friend class Volume;
    Table(Volume& volume, TableDefinition definition, SortOrder order);

    Volume& volume_;
    TableDefinition definition_;
    SortOrder order_;
    RecordId current_ = 0;
};

}  // namespace platform::propdb
