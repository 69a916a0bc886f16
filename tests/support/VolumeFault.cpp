#include "tests/support/VolumeFault.h"

namespace testing_support {

VolumeFault::VolumeFault(const std::filesystem::path& volume, Kind kind) {
    switch (kind) {
        case Kind::ReadOnly:
            folder_.emplace(volume.parent_path(), StorageFault::Kind::ReadOnly);
            break;
        case Kind::Full:
            folder_.emplace(volume.parent_path(), StorageFault::Kind::Full);
            break;
        case Kind::Busy:
            holder_.emplace(volume, HeldVolume::Lock::Write);
            break;
    }
}

bool VolumeFault::active() const {
    return folder_ ? folder_->active() : holder_ && holder_->held();
}

std::string VolumeFault::name(Kind kind) {
    switch (kind) {
        case Kind::ReadOnly:
            return "ReadOnly";
        case Kind::Full:
            return "Full";
        case Kind::Busy:
            return "Busy";
    }
    return "Unknown";
}

bool VolumeFault::underEach(const std::filesystem::path& volume, std::initializer_list<Kind> kinds,
                            const std::function<void(Kind)>& step) {
    for (const Kind kind : kinds) {
        const VolumeFault fault(volume, kind);
        if (!fault.active()) return false;
        step(kind);
    }
    return true;
}

}  // namespace testing_support
