// The product's names and stored texts do not depend on the caller's locale: installed,
// started for the first time and updated under a plain "C" locale and under a Chinese
// UTF-8 one, the shortcut file, the stored city and its forecast carry the same UTF-8
// bytes.

#include <gmock/gmock.h>
#include <sqlite3.h>

#include <cctype>

#include "tests/e2e/InstalledProduct.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

// "晴雨匣.lnk" and "成都" as UTF-8 bytes, written out so that no conversion of the test
// itself can hide a wrong one of the product.
constexpr char kShortcutFile[] = "\xe6\x99\xb4\xe9\x9b\xa8\xe5\x8c\xa3.lnk";
constexpr char kChengduUtf8[] = "\xe6\x88\x90\xe9\x83\xbd";

std::vector<std::string> fileNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// Rows of the three-day list whose city name (third property) is exactly `name`.
int storedCitiesNamed(const fs::path& volume, const std::string& name) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(volume.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return -1;
    }
    int count = -1;
    sqlite3_stmt* query = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT count(*) FROM UsersAddTeVoWeather WHERE p3 = ?", -1, &query,
                           nullptr) == SQLITE_OK) {
        sqlite3_bind_text(query, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(query) == SQLITE_ROW) count = sqlite3_column_int(query, 0);
    }
    sqlite3_finalize(query);
    sqlite3_close(db);
    return count;
}

class InstalledUnderLocale : public InstalledProduct,
                             public ::testing::WithParamInterface<const char*> {
protected:
    InstalledUnderLocale() { device_.setLocale(GetParam()); }
};

TEST_P(InstalledUnderLocale, ShortcutAndStoredNamesAreUtf8) {
    ASSERT_FALSE(applicationStarted().empty()) << "the application did not start";
    ASSERT_TRUE(device_.stopApplication());
    const fs::path programs = device_.host(u"\\Windows\\Start Menu\\Programs");
    EXPECT_THAT(fileNames(programs), ::testing::Contains(std::string(kShortcutFile)));

    // The first run's wizard adds the offered city; the tour then updates the lists.
    const ProgramRun first = firstRun();
    ASSERT_EQ(first.exitCode, 0) << first.output;
    const auto city = threeDayCity(u"成都");
    ASSERT_TRUE(city) << first.output;
    const auto stored = forecast(u"成都");
    ASSERT_TRUE(stored) << "the update stored no forecast\n" << serviceLog();
    EXPECT_FALSE(stored->days[2].empty());
    EXPECT_EQ(storedCitiesNamed(device_.host(u"\\Program Files\\tevaloWeather\\CityDatabase.vol"),
                                kChengduUtf8),
              1);
}

INSTANTIATE_TEST_SUITE_P(Locales, InstalledUnderLocale, ::testing::Values("C", "zh_CN.UTF-8"),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });

}  // namespace
}  // namespace e2e
