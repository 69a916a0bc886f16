#include "tests/support/StorageFault.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace testing_support {

namespace fs = std::filesystem;

StorageFault::StorageFault(fs::path folder, Kind kind) : folder_(std::move(folder)) {
    mounted_ = kind == Kind::ReadOnly ? mountReadOnly() : mountFull();
}

StorageFault::~StorageFault() {
    if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
}

bool StorageFault::mountReadOnly() {
    if (mount(folder_.c_str(), folder_.c_str(), nullptr, MS_BIND, nullptr) != 0) return false;
    if (mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
        umount2(folder_.c_str(), MNT_DETACH);
        return false;
    }
    return true;
}

// The files are copied aside, a tmpfs goes over the folder, the copies come
// back into it and a filler file takes every byte that is left.
bool StorageFault::mountFull() {
    std::error_code error;
    const fs::path aside = fs::path(folder_.string() + ".aside");
    fs::remove_all(aside, error);
    fs::copy(folder_, aside, fs::copy_options::recursive, error);
    if (error) return false;
    bool ok = mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=16m") == 0;
    if (ok) {
        fs::copy(aside, folder_, fs::copy_options::recursive | fs::copy_options::overwrite_existing,
                 error);
        const int filler = open((folder_ / ".filler").c_str(), O_WRONLY | O_CREAT, 0600);
        const std::vector<char> block(64 * 1024, 'x');
        ok = !error && filler >= 0;
        for (size_t size = block.size(); ok && size > 0;) {
            if (write(filler, block.data(), size) < 0) {
                if (errno != ENOSPC) ok = false;
                size /= 2;  // fill the last pages too
            }
        }
        if (filler >= 0) close(filler);
        if (!ok) umount2(folder_.c_str(), MNT_DETACH);
    }
    fs::remove_all(aside, error);
    return ok;
}

}  // namespace testing_support
