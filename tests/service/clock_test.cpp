#include "service/Clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using namespace std::chrono;

milliseconds intoTheSecond() {
    const auto now = system_clock::now();
    return duration_cast<milliseconds>(now - floor<seconds>(now));
}

// Waits until the host clock is at least `from` into a second.
void waitUntilLateInASecond(milliseconds from) {
    while (intoTheSecond() < from) std::this_thread::sleep_for(milliseconds(1));
}

const service::LocalTime kStart{2009, 7, 6, 15, 31, 51};

}  // namespace

// Set late in a host second, the clock still reads the time it was set to just
// after the host's next second begins: the offset keeps the fraction.
TEST(ServiceClock, ReadsTheSetTimeAcrossTheHostsNextSecond) {
    service::Clock clock;
    waitUntilLateInASecond(milliseconds(950));
    const auto setAt = steady_clock::now();
    clock.startAt(kStart);
    // Well into the next second, past the lag of the coarse clock time() reads.
    while (intoTheSecond() >= milliseconds(900) || intoTheSecond() < milliseconds(100))
        std::this_thread::sleep_for(milliseconds(1));
    const service::LocalTime read = clock.now();
    if (steady_clock::now() - setAt >= milliseconds(1000)) GTEST_SKIP() << "descheduled too long";
    EXPECT_EQ(read, kStart);
}

TEST(ServiceClock, RunsOnFromTheSetTime) {
    service::Clock clock;
    clock.startAt(kStart);
    std::this_thread::sleep_for(milliseconds(1100));
    EXPECT_GT(service::secondsSinceEpoch(clock.now()), service::secondsSinceEpoch(kStart));
}
