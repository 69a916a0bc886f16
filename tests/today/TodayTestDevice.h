#pragma once

// A temporary device for the weather item's tests: the device root with the pictures the
// item draws, the shared city volume filled through the store as the application fills
// it, a stand-in application program, and the item itself loaded from the built library
// through the home screen's item host.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "hosts/home/TodayItemHost.h"
#include "store/Volumes.h"
#include "store/WarningStore.h"

namespace today_test {

class TodayTestDevice final {
public:
    TodayTestDevice();
    ~TodayTestDevice();
    TodayTestDevice(const TodayTestDevice&) = delete;
    TodayTestDevice& operator=(const TodayTestDevice&) = delete;

    const std::filesystem::path& root() const { return root_; }
    store::Volumes volumes() const;

    void addCity(const std::u16string& name, const std::u16string& code,
                 const std::u16string& defaultFlag, const std::u16string& todayFlag);
    void setTodayFlag(const std::u16string& name, const std::u16string& flag);
    void storeStamp(const std::u16string& stamp);
    void storeDays(const std::u16string& name, const std::u16string& code,
                   const std::vector<std::u16string>& days);
    void setUpdateTime(const std::u16string& text);
    void setClientCode(const std::u16string& code);
    void addWarning(store::WarningKind kind, const std::u16string& id, const std::u16string& title,
                    const std::u16string& todayFlag);

    // A program at the application's device path that appends a line to a file when
    // started; `registerPath` also stores its path as `AppPath`.
    std::filesystem::path installApplicationStandIn(bool registerPath = true);
    // Waits up to `ms` for the stand-in to have run; the number of starts seen.
    int applicationStarts(int ms) const;

    static std::string libraryFile();
    std::unique_ptr<home::TodayItemHost> loadItem(int width = 240) const;

private:
    void writePictures() const;

    std::filesystem::path root_;
    std::filesystem::path startLog_;
};

// What the item drew, for assertions.
std::vector<std::u16string> texts(const std::vector<home::TodayDrawRecord>& log);
const home::TodayDrawRecord* findText(const std::vector<home::TodayDrawRecord>& log,
                                      std::u16string_view text);
const home::TodayDrawRecord* findPicture(const std::vector<home::TodayDrawRecord>& log,
                                         std::u16string_view fileName);
int count(const std::vector<home::TodayDrawRecord>& log, int kind);
// What the item drew from its last rendering of the band on.
std::vector<home::TodayDrawRecord> lastRendering(const std::vector<home::TodayDrawRecord>& log);

// Sizes the item the way the home screen does: one refresh query, then a paint.
void paintOnce(home::TodayItemHost& item);

}  // namespace today_test
