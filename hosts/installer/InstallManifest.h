#pragma once

// The installer's own list of the files it placed for a package, kept on the
// device ("\Windows\AppMgr\<package>.files") so that removal deletes exactly
// those. After a header line, each line holds one device path in UTF-8 with
// "%", line breaks and every other control character written as %XX, so a
// name can never be read back as two. Lists written before the header existed
// are read one path a line.

#include <string>
#include <string_view>
#include <vector>

namespace installer {

class InstallManifest final {
public:
    explicit InstallManifest(std::u16string package);

    std::vector<std::u16string> load() const;
    bool save(const std::vector<std::u16string>& devicePaths) const;
    void erase() const;

    // One path as a manifest line (without the line break) and back.
    static std::string encode(std::u16string_view devicePath);
    static std::u16string decode(std::string_view line);

private:
    std::u16string path_;
};

}  // namespace installer
