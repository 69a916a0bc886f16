#include "store/UserTables.h"

#include "store/CityListStore.h"
#include "store/UpdateStampStore.h"
#include "store/WarningStore.h"

namespace store {

bool createUserTables(const Volumes& volumes) {
    // Listing a table of the application creates it when it is missing.
    for (CityList list : {CityList::ThreeDay, CityList::Weekly, CityList::OnDemand}) {
        if (!CityListStore(volumes, list).listByDefault() ||
            !UpdateStampStore(volumes, list).list()) {
            return false;
        }
    }
    for (auto kind : {WarningKind::Disaster, WarningKind::Fire}) {
        if (!WarningStore(volumes, kind).list()) return false;
    }
    return true;
}

}  // namespace store
