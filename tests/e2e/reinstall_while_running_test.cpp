// Installing again while the installed application runs (every installation
// starts it) replaces the files beside the running program and completes: the
// running program keeps its old image, the new one is in place.

#include <sys/stat.h>

#include <filesystem>

#include "platform/window/WindowClass.h"
#include "tests/e2e/InstalledProduct.h"

namespace e2e {
namespace {

TEST_F(InstalledProduct, AReinstallWhileTheApplicationRunsCompletesAndLeavesItRunning) {
    ASSERT_FALSE(applicationStarted().empty()) << "the application did not start";
    const std::vector<int> running = device_.applicationProcesses();
    ASSERT_FALSE(running.empty());
    const auto inode = [&] {
        struct stat status {};
        ::stat(device_.installedProgram().c_str(), &status);
        return status.st_ino;
    };
    const auto before = inode();

    const ProgramRun again = device_.installer("install");
    EXPECT_EQ(again.exitCode, 0) << again.output;
    EXPECT_NE(again.output.find("installed"), std::string::npos) << again.output;

    // The start of the reinstall finds the running program and ends; only then
    // is the running one alone again.
    EXPECT_TRUE(waitUntil(std::chrono::seconds(30), [&] {
        return device_.applicationProcesses() == running;
    })) << "the running program ended, or the reinstall's start did not";
    EXPECT_NE(inode(), before) << "the program was not replaced";
    EXPECT_TRUE(platform::findWindowByClass(kMainWindowClass));
    EXPECT_TRUE(device_.stopApplication());
}

}  // namespace
}  // namespace e2e
