#pragma once

// One storage fault laid on a volume for the time of a test, for tests that
// run the same store step under each: the volume's folder read-only or full
// (StorageFault, needs root), or the volume held mid-write by another process
// (HeldVolume: reading goes on, writing waits out the busy time-out).

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "tests/support/HeldVolume.h"
#include "tests/support/StorageFault.h"

namespace testing_support {

class VolumeFault final {
public:
    enum class Kind { ReadOnly, Full, Busy };

    VolumeFault(const std::filesystem::path& volume, Kind kind);
    VolumeFault(const VolumeFault&) = delete;
    VolumeFault& operator=(const VolumeFault&) = delete;

    // False when the fault could not be laid (mounting needs root).
    bool active() const;

    // For test names: "ReadOnly", "Full", "Busy".
    static std::string name(Kind kind);

    // Runs `step` once under each of `kinds` laid on `volume`, each fault
    // lifted before the next. False when a fault could not be laid; the
    // remaining kinds are not run.
    static bool underEach(const std::filesystem::path& volume, std::initializer_list<Kind> kinds,
                          const std::function<void(Kind)>& step);

private:
    std::optional<StorageFault> folder_;
    std::optional<HeldVolume> holder_;
};

}  // namespace testing_support
