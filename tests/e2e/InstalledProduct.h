#pragma once

// The fixture of the end-to-end tests: the service stand-in running as its own process,
// the product installed into a fresh device through the installer host, and the ways a
// test looks at the result: the store and registry of the device, the application's
// first run, and the home screen built from the device's registry in this process.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "hosts/home/HomeScreen.h"
#include "store/UpdateStampStore.h"
#include "store/UserCityRecord.h"
#include "tests/e2e/InstalledDevice.h"
#include "tests/e2e/ServiceProcess.h"

namespace e2e {

// The service's clock, which dates the forecasts it sends.
inline constexpr char kServiceClock[] = "2026-12-08T17:30:00";
// The device clock of the application's first run; the wizard stores its time of day
// as the daily update time.
inline constexpr char kFirstRunClock[] = "2026-12-08T18:05:10";
// A device time outside every scheduled minute, for looking without fetching.
inline constexpr char kQuietClock[] = "2026-12-09T12:00:00";

inline constexpr char16_t kTodayItemKey[] = u"Software\\Microsoft\\Today\\Items\\\"米多晴雨匣\"";
inline constexpr char16_t kNoDesktopCity[] = u"未设置桌面显示城市！";
// The window class the application's main window is found by.
inline constexpr char16_t kMainWindowClass[] = u"晴雨匣";
// The city the first-run wizard offers.
inline constexpr char16_t kWizardCity[] = u"成都";

class InstalledProduct : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Waits until the application the setup hook started has made its client code;
    // the code, or empty when it did not start.
    std::u16string applicationStarted();
    // The first run of the installed application, its wizard answered as a new user
    // answers it (the tour mode of the program), at kFirstRunClock.
    ProgramRun firstRun();

    std::optional<store::UserCityRecord> threeDayCity(std::u16string_view name) const;
    std::optional<store::CityUpdateRecord> forecast(std::u16string_view name) const;
    std::optional<std::u16string> setting(std::u16string_view id) const;
    std::string serviceLog() const;

    InstalledDevice device_;
    std::unique_ptr<ServiceProcess> service_;
};

// The home screen as tevalo-home builds it from the device's registry, in this process,
// so that a test reads what the weather item drew.
class HomeView final {
public:
    HomeView();
    ~HomeView();
    HomeView(const HomeView&) = delete;
    HomeView& operator=(const HomeView&) = delete;

    std::size_t items() const { return screen_->items().size(); }
    // Paints the home screen once; the texts and picture files the first item drew.
    std::vector<std::u16string> paintItem();
    QImage grab();

private:
    std::unique_ptr<home::HomeScreen> screen_;
};

// The parts of a stored day record the item shows: date, temperature text ("low～high")
// and the picture file of its weather kind.
struct ShownDay {
    std::u16string date;
    std::u16string temperature;
    std::u16string picture;
};
ShownDay shownDay(std::u16string_view dayRecord);

bool contains(const std::vector<std::u16string>& drawn, std::u16string_view text);
// A picture whose file name ends with `name`.
bool containsPicture(const std::vector<std::u16string>& drawn, std::u16string_view name);
std::string joined(const std::vector<std::u16string>& drawn);

}  // namespace e2e
