#pragma once

// The installer's own list of the files it placed for a package, kept on the
// device ("\Windows\AppMgr\<package>.files", one device path a line) so that
// removal deletes exactly those.

#include <string>
#include <vector>

namespace installer {

class InstallManifest final {
public:
    explicit InstallManifest(std::u16string package);

    std::vector<std::u16string> load() const;
    bool save(const std::vector<std::u16string>& devicePaths) const;
    void erase() const;

private:
    std::u16string path_;
};

}  // namespace installer
