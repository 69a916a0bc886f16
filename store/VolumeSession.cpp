#include "store/VolumeSession.h"

#include "store/Catalogue.h"

namespace store {

namespace propdb = platform::propdb;

namespace {

const std::filesystem::path& volumePath(const Volumes& volumes, VolumeKind kind) {
    switch (kind) {
        case VolumeKind::SystemCity:
            return volumes.systemCityDatabase;
        case VolumeKind::Rainfall:
            return volumes.rainfallCityDatabase;
        case VolumeKind::City:
            break;
    }
    return volumes.cityDatabase;
}

// The home-screen item only reads the three-day list and writes its update
// stamps; both must come from the application.
bool todayItemReadsExisting(const Volumes& volumes, const TableSchema& schema) {
    return volumes.todayItem && (&schema == &catalogue::usersAddTeVoWeather() ||
                                 &schema == &catalogue::cityUpdateDateTeVoWeather());
}

}  // namespace

VolumeSession::VolumeSession(const Volumes& volumes, const TableSchema& primary, Access access)
    : volumes_(volumes), access_(access) {
    // The reference city volume arrives with the installation and is never made
    // here.
    const bool existing =
        primary.volume == VolumeKind::SystemCity || todayItemReadsExisting(volumes, primary);
    volume_ = propdb::Volume::mount(
        volumePath(volumes, primary.volume),
        existing ? propdb::MountMode::OpenExisting : propdb::MountMode::OpenAlways,
        access == Access::Read ? propdb::MountAccess::ReadOnly : propdb::MountAccess::ReadWrite);
}

VolumeSession::~VolumeSession() {
    tables_.clear();
    volume_.reset();  // an unclosed session rolls back
}

bool VolumeSession::mayCreate(const TableSchema& schema) const {
    return access_ == Access::Write && !todayItemReadsExisting(volumes_, schema);
}

propdb::Table* VolumeSession::open(const TableSchema& schema, unsigned order) {
    if (!volume_ || order >= schema.orders.size()) {
        propdb::setLastError(volume_ ? propdb::kErrorInvalidParameter : propdb::lastError());
        return nullptr;
    }
    auto& slot = tables_[{&schema, order}];
    if (slot) return slot.get();
    const auto& sortOrder = schema.orders[order];
    slot = volume_->openTable(schema.name, sortOrder);
    if (!slot && propdb::lastError() == propdb::kErrorFileNotFound && mayCreate(schema) &&
        volume_->createTable(schema.definition()))
        slot = volume_->openTable(schema.name, sortOrder);
    if (!slot) {
        const auto error = propdb::lastError();
        tables_.erase({&schema, order});
        propdb::setLastError(error);
        return nullptr;
    }
    return slot.get();
}

bool VolumeSession::close() {
    tables_.clear();
    if (!volume_) return false;
    // Unmounting commits, which is the flush.
    const bool ok = volume_->unmount();
    volume_.reset();
    return ok;
}

}  // namespace store
