#pragma once

// Storage faults laid over a real folder for the time of a test: the folder
// turns read-only (a read-only bind mount) or full (a small tmpfs holding a
// copy of its files, filled to the last byte). Files read as before; every
// write fails as it would on the device. Needs the right to mount (root);
// active() is false otherwise and the test should be skipped. The folder is
// given back on destruction, its original files untouched.

#include <filesystem>

namespace testing_support {

class StorageFault final {
public:
    enum class Kind { ReadOnly, Full };

    StorageFault(std::filesystem::path folder, Kind kind);
    ~StorageFault();
    StorageFault(const StorageFault&) = delete;
    StorageFault& operator=(const StorageFault&) = delete;

    bool active() const { return mounted_; }

private:
    bool mountReadOnly();
    bool mountFull();

    std::filesystem::path folder_;
    bool mounted_ = false;
};

}  // namespace testing_support
