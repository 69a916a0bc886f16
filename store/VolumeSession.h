#pragma once

#include <map>
#include <memory>
#include <utility>

#include "platform/propdb/PropDb.h"
#include "store/TableSchema.h"
#include "store/Volumes.h"

namespace store {

// One mount of a store volume: everything done through it is one transaction,
// committed by close(). Tables are opened (and created when missing) on demand.
// A reading session shares the volume with other readers and creates nothing:
// a missing volume or table fails with file-not-found.
class VolumeSession final {
public:
    enum class Access { Write, Read };

    // Mounts the volume of `primary`, the table the operation is about.
    VolumeSession(const Volumes& volumes, const TableSchema& primary,
                  Access access = Access::Write);
    ~VolumeSession();
    VolumeSession(const VolumeSession&) = delete;
    VolumeSession& operator=(const VolumeSession&) = delete;

    bool mounted() const { return volume_ != nullptr; }

    // The table opened through its sort order `order`; nullptr on failure.
    platform::propdb::Table* open(const TableSchema& schema, unsigned order);

    // Flushes and unmounts; false when the work could not be committed.
    bool close();

private:
    bool mayCreate(const TableSchema& schema) const;

    const Volumes& volumes_;
    Access access_;
    std::unique_ptr<platform::propdb::Volume> volume_;
    std::map<std::pair<const TableSchema*, unsigned>, std::unique_ptr<platform::propdb::Table>>
        tables_;
};

}  // namespace store
