#pragma once

// Copies a package's payload folder into its install folder on the device and
// can take the copy back: files it overwrote are kept aside until the
// installation is confirmed, so an undo restores the device as it was.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace installer {

struct PayloadFile {
    std::filesystem::path source;  // host file in the payload
    std::u16string target;         // device path in the install folder
};

struct PayloadPlan {
    std::vector<PayloadFile> files;
    std::string refused;  // why the payload must not be installed; empty when it may
};

// The files of the payload with their device names. The host programs that
// only serve the device (tevalo-*) and the setup hook itself stay out; the
// program and the item library take the names the device knows them by.
// Volumes holding user data that already exist on the device are left out
// (their reference tables are refreshed instead), and so are the files SQLite
// keeps beside a volume: a journal belongs to the volume it was written for.
// A symbolic link, or a name holding a control character or a backslash (a
// folder separator on the device), refuses the whole payload.
PayloadPlan planPayload(const std::filesystem::path& payload, std::u16string_view installFolder);

// Device names of volumes that hold the user's data next to reference tables.
bool isUserVolume(std::u16string_view fileName);

class PayloadCopy final {
public:
    PayloadCopy();
    ~PayloadCopy();
    PayloadCopy(const PayloadCopy&) = delete;
    PayloadCopy& operator=(const PayloadCopy&) = delete;

    // Places every file: written beside its target and renamed over it, so a
    // running program keeps its old image. Failures are counted, not fatal.
    void copy(const std::vector<PayloadFile>& files);

    std::uint16_t failedDirectories() const { return failedDirectories_; }
    std::uint16_t failedFiles() const { return failedFiles_; }
    const std::vector<std::u16string>& copied() const { return copied_; }

    // Removes what was copied and puts back what was overwritten.
    void undo();
    // Drops the kept copies of overwritten files.
    void commit();

private:
    // Keeps a copy of an existing target for undo(); false when it cannot.
    bool keep(const std::filesystem::path& target);

    std::filesystem::path backup_;
    std::vector<std::u16string> copied_;
    std::vector<std::pair<std::filesystem::path, std::filesystem::path>> saved_;  // original, kept
    std::vector<std::filesystem::path> createdDirectories_;
    std::uint16_t failedDirectories_ = 0;
    std::uint16_t failedFiles_ = 0;
};

}  // namespace installer
