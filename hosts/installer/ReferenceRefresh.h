#pragma once

// Reinstalling keeps the volumes that hold the user's data; the reference
// tables shipped inside them (the region tree) are replaced by the payload's.

#include <filesystem>

namespace installer {

// Replaces, in the device volume, every table that the payload volume holds
// by the payload's rows; the other tables are not touched. False when a
// volume cannot be mounted or a write fails (the device volume then keeps
// its previous content).
bool refreshReferenceTables(const std::filesystem::path& payloadVolume,
                            const std::filesystem::path& deviceVolume);

}  // namespace installer
