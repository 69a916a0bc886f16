#include "hosts/launcher/ProductFiles.h"

namespace launcher {
namespace fs = std::filesystem;
namespace {

fs::path sibling(const fs::path& folder, const char* name, const char* built) {
    std::error_code error;
    const fs::path next = folder / name;
    return fs::is_regular_file(next, error) ? next : fs::path(built);
}

}  // namespace

ProductFiles ProductFiles::find() {
    ProductFiles files;
    std::error_code error;
    files.launcher = fs::read_symlink("/proc/self/exe", error);
    const fs::path bin = files.launcher.parent_path();
    files.installer = sibling(bin, "tevalo-installer", TEVALO_BUILT_INSTALLER);
    files.service = sibling(bin, "tevalo-service", TEVALO_BUILT_SERVICE);
    const fs::path packaged = bin.parent_path() / "lib" / "tevalo-weather" / "payload";
    files.payload = fs::is_directory(packaged, error) ? packaged : fs::path(TEVALO_BUILT_PAYLOAD);
    files.home = files.payload / "tevalo-home";
    return files;
}

}  // namespace launcher
