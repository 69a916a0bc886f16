#include "platform/clock/Clock.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>

#include "platform/clock/Random.h"

extern char** environ;

using platform::LocalTime;
using platform::parseIsoLocalTime;

struct IsoCase {
    const char* text;
    std::optional<LocalTime> expected;
};

class IsoLocalTimeParsing : public testing::TestWithParam<IsoCase> {};

TEST_P(IsoLocalTimeParsing, Parse) {
    EXPECT_EQ(parseIsoLocalTime(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IsoLocalTimeParsing,
    testing::Values(IsoCase{"2026-12-07T09:11:50", LocalTime{2026, 12, 7, 9, 11, 50, 1}},
                    IsoCase{"2009-07-06 15:31:51", LocalTime{2009, 7, 6, 15, 31, 51, 1}},
                    IsoCase{"2024-02-29T00:00:00", LocalTime{2024, 2, 29, 0, 0, 0, 4}},
                    IsoCase{"2023-02-29T00:00:00", std::nullopt},
                    IsoCase{"2026-13-01T00:00:00", std::nullopt},
                    IsoCase{"2026-12-07T24:00:00", std::nullopt},
                    IsoCase{"2026-12-07T09:11", std::nullopt},
                    IsoCase{"2026-12-07X09:11:50", std::nullopt},
                    IsoCase{"2026-1a-07T09:11:50", std::nullopt}, IsoCase{"", std::nullopt}));

TEST(DeviceClock, AFixedClockRulesWhileItLivesAndNestsCleanly) {
    const LocalTime morning{2026, 12, 7, 9, 11, 50, 1};
    const LocalTime real = platform::localTime();
    {
        platform::FixedClock fixed(morning);
        EXPECT_EQ(platform::localTime(), morning);
        {
            platform::FixedClock inner(LocalTime{2010, 2, 12, 0, 0, 0, 5});
            EXPECT_EQ(platform::localTime().year, 2010);
        }
        EXPECT_EQ(platform::localTime(), morning);
        fixed.set(LocalTime{2026, 12, 7, 9, 12, 0, 1});
        EXPECT_EQ(platform::localTime().minute, 12);
    }
    EXPECT_GE(platform::localTime().year, real.year);
}

TEST(DeviceClock, WithoutAnyOverrideItShowsTheHostTime) {
    if (std::getenv("TEVALO_CLOCK")) GTEST_SKIP();
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    const LocalTime t = platform::localTime();
    EXPECT_EQ(t.year, tm.tm_year + 1900);
    EXPECT_EQ(t.dayOfWeek, tm.tm_wday);
}

// Runs in a child process started with TEVALO_CLOCK set.
TEST(DeviceClockChild, StartsAtTheConfiguredTime) {
    if (!std::getenv("TEVALO_CLOCK_CHILD")) GTEST_SKIP() << "runs only as a child process";
    const LocalTime t = platform::localTime();
    EXPECT_EQ(t.year, 2026);
    EXPECT_EQ(t.month, 12);
    EXPECT_EQ(t.day, 7);
    EXPECT_EQ(t.hour, 9);
    EXPECT_EQ(t.minute, 11);
    EXPECT_GE(t.second, 50);
    EXPECT_EQ(t.dayOfWeek, 1);
}

TEST(DeviceClock, TheEnvironmentSetsTheTimeTheClockStartsFrom) {
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    ASSERT_GT(length, 0);
    self[length] = '\0';
    ::setenv("TEVALO_CLOCK", "2026-12-07T09:11:50", 1);
    ::setenv("TEVALO_CLOCK_CHILD", "1", 1);
    char filter[] = "--gtest_filter=DeviceClockChild.*";
    char* argv[] = {self, filter, nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self, nullptr, nullptr, argv, environ);
    ::unsetenv("TEVALO_CLOCK");
    ::unsetenv("TEVALO_CLOCK_CHILD");
    ASSERT_EQ(spawned, 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(RandomSource, SeedingRepeatsTheSequenceAndValuesStayInRange) {
    platform::seedRandom(42);
    std::vector<int> first;
    for (int i = 0; i < 100; ++i) first.push_back(platform::random());
    platform::seedRandom(42);
    for (int i = 0; i < 100; ++i) {
        const int v = platform::random();
        ASSERT_EQ(v, first[i]);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, platform::kRandomMax);
    }
}

TEST(RandomSource, AReplacementAnswersUntilItIsRemoved) {
    auto previous = platform::setRandomForTesting([] { return 7; });
    EXPECT_EQ(platform::random(), 7);
    platform::setRandomForTesting(std::move(previous));
    platform::seedRandom(1);
    bool varied = false;
    const int first = platform::random();
    for (int i = 0; i < 10; ++i) varied |= platform::random() != first;
    EXPECT_TRUE(varied);
}
