// A desktop city chosen in the application, a process of its own, shows on the installed
// home item at its next paint: the item reads the shared volume at every paint and
// keeps nothing from before. Removing the product then closes the running application.

#include <algorithm>
#include <array>

#include "platform/window/WindowClass.h"
#include "tests/e2e/InstalledProduct.h"

namespace e2e {
namespace {

TEST_F(InstalledProduct, ADesktopCityChosenInTheApplicationShowsAtTheItemsNextPaint) {
    ASSERT_FALSE(applicationStarted().empty()) << "the application did not start";
    ASSERT_TRUE(device_.stopApplication());

    HomeView view;
    ASSERT_EQ(view.items(), 1u) << "the installed item is not on the home screen";
    const auto before = view.paintItem();
    EXPECT_TRUE(contains(before, kNoDesktopCity)) << joined(before);

    const ProgramRun first = firstRun();
    ASSERT_EQ(first.exitCode, 0) << first.output;

    // The city shows its stored forecast, or the placeholder days while it has none.
    std::array<std::u16string, 3> days = {u"ci_1*08/18*1*1*28*32*1*2&***1500",
                                          u"ci_1*08/19*1*0*28*34*0*0&**",
                                          u"ci_1*08/20*3*3*27*33*0*0&**"};
    if (const auto stored = forecast(kWizardCity))
        std::copy_n(stored->days.begin(), 3, days.begin());
    const auto after = view.paintItem();
    EXPECT_TRUE(contains(after, kWizardCity)) << joined(after);
    EXPECT_FALSE(contains(after, kNoDesktopCity)) << joined(after);
    for (const auto& record : days) {
        const ShownDay day = shownDay(record);
        EXPECT_TRUE(contains(after, day.date)) << joined(after);
        EXPECT_TRUE(contains(after, day.temperature)) << joined(after);
    }

    // The application, now past its first run, is running when the product is removed.
    ChildProgram application(QString::fromStdString(device_.installedProgram().string()), {},
                             device_.environment(kQuietClock), device_.outputFile("application"));
    ASSERT_TRUE(application.start());
    ASSERT_TRUE(waitUntil(std::chrono::seconds(20), [] {
        return platform::findWindowByClass(kMainWindowClass);
    })) << application.output();
    const ProgramRun removed = device_.installer("remove");
    ASSERT_EQ(removed.exitCode, 0) << removed.output;
    EXPECT_EQ(application.finish(std::chrono::seconds(10)), 0)
        << "the uninstaller did not close the application\n"
        << application.output();
    EXPECT_FALSE(std::filesystem::exists(device_.installedProgram()));
    EXPECT_TRUE(threeDayCity(kWizardCity)) << "the user's cities stay";
}

}  // namespace
}  // namespace e2e
