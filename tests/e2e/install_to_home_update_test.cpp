// From installation to the home item showing the three-day forecast it fetched on its
// own at the stored update time, across the real programs: the installer host with the
// setup hook, the service stand-in, the application's first run and the home screen.

#include <QDateTime>
#include <QImage>

#include "platform/registry/Registry.h"
#include "platform/text/Utf.h"
#include "store/SettingRecord.h"
#include "tests/e2e/InstalledProduct.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;
using platform::RegistryHive;

constexpr char kThreeDayPath[] = "/spservers/kuvaro_weathers/";

// The device time a few seconds before the minute of the stored update time "h:m:s".
std::string justBefore(const std::u16string& updateTime) {
    const QStringList parts = QString::fromStdU16String(updateTime).split(QLatin1Char(':'));
    if (parts.size() != 3) return {};
    const QDateTime minute(QDate(2026, 12, 9), QTime(parts[0].toInt(), parts[1].toInt()));
    return minute.addSecs(-4).toString(Qt::ISODate).toStdString();
}

// The item's automatic three-day requests among those the service saw.
std::vector<LoggedRequest> threeDayRequests(const std::vector<LoggedRequest>& seen,
                                            std::size_t from) {
    std::vector<LoggedRequest> found;
    for (std::size_t i = from; i < seen.size(); ++i) {
        if (seen[i].target.rfind(kThreeDayPath, 0) == 0) found.push_back(seen[i]);
    }
    return found;
}

TEST_F(InstalledProduct, TheHomeItemUpdatesItselfAtTheStoredTimeAndShowsTheNewForecast) {
    // The setup hook started the application; it made its client code and waits in the
    // first-run wizard. It is closed as the uninstaller would close it.
    const std::u16string clientCode = applicationStarted();
    ASSERT_EQ(clientCode.size(), 7u) << "the application did not start after installation";
    EXPECT_EQ(device_.applicationProcesses().size(), 1u) << "started once";
    ASSERT_TRUE(device_.stopApplication());

    // The user's first run: the wizard keeps the automatic update at the time of day it
    // runs and makes the offered city the default and desktop city.
    const ProgramRun first = firstRun();
    ASSERT_EQ(first.exitCode, 0) << first.output;
    const auto city = threeDayCity(kWizardCity);
    ASSERT_TRUE(city) << first.output;
    EXPECT_EQ(city->defaultFlag, u"1");
    EXPECT_EQ(city->todayFlag, u"1");
    EXPECT_EQ(setting(u"21"), clientCode) << "the code never changes";
    const std::u16string updateTime = setting(u"6").value_or(u"");
    ASSERT_EQ(updateTime.substr(0, 5), u"18:05") << platform::toUtf8(updateTime);
    const auto stampBefore =
        store::UpdateStampStore(store::Volumes::forDevice(), store::CityList::ThreeDay).stamp();

    // The home screen starts a few seconds before the update minute and runs on.
    const std::size_t seenBefore = service_->requests().size();
    ChildProgram home(QStringLiteral(TEVALO_HOME_PROGRAM), {},
                      device_.environment(justBefore(updateTime)), device_.outputFile("home"));
    ASSERT_TRUE(home.start());
    const auto started = std::chrono::steady_clock::now();

    const std::string expectedTarget = kThreeDayPath + platform::toUtf8(city->cityCode) +
                                       "?version=symbian2.0&code=" + platform::toUtf8(clientCode);
    std::optional<store::CityUpdateRecord> fetched;
    const bool updated = waitUntil(std::chrono::seconds(40), [&] {
        const auto requests = threeDayRequests(service_->requests(), seenBefore);
        if (requests.empty()) return false;
        const auto stamp =
            store::UpdateStampStore(store::Volumes::forDevice(), store::CityList::ThreeDay).stamp();
        fetched = forecast(kWizardCity);
        return stamp && stamp != stampBefore && fetched && !fetched->days[2].empty();
    });
    const auto waited = std::chrono::steady_clock::now() - started;
    ASSERT_TRUE(updated) << "home screen:\n" << home.output() << "\nservice:\n" << serviceLog();
    EXPECT_TRUE(home.running()) << home.output();
    EXPECT_GE(waited, std::chrono::milliseconds(3500)) << "fetched before the update minute";

    // What the home item now shows: the city and the three days just stored, not the
    // placeholder days of a city without forecast.
    HomeView view;
    ASSERT_EQ(view.items(), 1u);
    const auto drawn = view.paintItem();
    EXPECT_TRUE(contains(drawn, kWizardCity)) << joined(drawn);
    EXPECT_FALSE(contains(drawn, u"08/18")) << joined(drawn);
    for (int d = 0; d < 3; ++d) {
        const ShownDay day = shownDay(fetched->days[d]);
        EXPECT_TRUE(contains(drawn, day.date)) << d << ": " << joined(drawn);
        EXPECT_TRUE(contains(drawn, day.temperature)) << d << ": " << joined(drawn);
        EXPECT_TRUE(containsPicture(drawn, day.picture)) << d << ": " << joined(drawn);
    }

    // tevalo-home paints exactly that band, pixel for pixel.
    const fs::path shot = device_.root() / "home.png";
    ChildProgram screenshot(QStringLiteral(TEVALO_HOME_PROGRAM),
                            {QStringLiteral("--screenshot"), QString::fromStdString(shot)},
                            device_.environment(kQuietClock), device_.outputFile("screenshot"));
    ASSERT_TRUE(screenshot.start());
    ASSERT_EQ(screenshot.finish(std::chrono::seconds(20)), 0) << screenshot.output();
    const QImage painted(QString::fromStdString(shot));
    const QImage expected = view.grab();
    ASSERT_FALSE(painted.isNull());
    EXPECT_EQ(painted.convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32));

    // One update in the update minute, however often the home screen asked.
    const auto requests = threeDayRequests(service_->requests(), seenBefore);
    ASSERT_EQ(requests.size(), 1u) << serviceLog();
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, expectedTarget);
    EXPECT_EQ(requests[0].status, 200);
    EXPECT_EQ(requests[0].agent, "自动更新") << "the home item's own fetch";
    home.stop();

    // Removal takes the item, its library and the program, and keeps the user's data.
    const ProgramRun removed = device_.installer("remove");
    ASSERT_EQ(removed.exitCode, 0) << removed.output;
    const auto registry = platform::Registry::forDevice();
    EXPECT_FALSE(registry.keyExists(RegistryHive::LocalMachine, kTodayItemKey));
    EXPECT_TRUE(registry.keyExists(RegistryHive::CurrentUser, u"Software\\tevaloWeather"));
    EXPECT_FALSE(fs::exists(device_.host(u"\\Windows\\tevaloWeatherToDay.dll")));
    EXPECT_FALSE(fs::exists(device_.installedProgram()));
    EXPECT_TRUE(fs::exists(device_.host(u"\\Program Files\\tevaloWeather\\CityDatabase.vol")));
    const auto kept = forecast(kWizardCity);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->days, fetched->days);
    EXPECT_TRUE(threeDayCity(kWizardCity));
}

}  // namespace
}  // namespace e2e
