// The application and the home-screen item are two processes writing the same
// volume with no other coordination than the store's own.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>

#include "StoreFolder.h"
#include "platform/text/Utf.h"
#include "store/UpdateStampStore.h"

using namespace store;

namespace {

std::u16string name(const char* who, int i) {
    return platform::fromUtf8(who + std::to_string(i));
}

// 500 add-or-replace and 500 finds over 50 city names of its own and one
// shared name; returns the number of operations that failed.
int writeAndRead(const Volumes& volumes, const char* who) {
    const UpdateStampStore stamps(volumes, CityList::ThreeDay);
    int failures = 0;
    for (int i = 0; i < 500; ++i) {
        const std::u16string city = i % 10 == 0 ? u"shared" : name(who, i % 50);
        const std::u16string day = name(who, i);
        if (!stamps.addOrReplace({u"1", city, {day}})) ++failures;
        const auto found = stamps.findByName(city);
        if (!found || (city != u"shared" && found->days[0] != day)) ++failures;
    }
    return failures;
}

class TwoProcesses : public StoreFolder {};

TEST_F(TwoProcesses, WritingAtOnceLoseNothingAndNeverFail) {
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char go;
        close(start[1]);
        if (read(start[0], &go, 1) != 1) _exit(100);
        _exit(std::min(writeAndRead(volumes_, "child"), 99));
    }
    close(start[0]);
    ASSERT_EQ(write(start[1], "g", 1), 1);
    close(start[1]);
    const int parentFailures = writeAndRead(volumes_, "parent");
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);

    EXPECT_EQ(parentFailures, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    const auto all = UpdateStampStore(volumes_, CityList::ThreeDay).list();
    ASSERT_TRUE(all);
    EXPECT_EQ(all->size(), 2u * 45 + 1);  // 45 own names each and the shared one
    for (const char* who : {"parent", "child"}) {
        for (int i = 450; i < 500; ++i) {
            if (i % 10 == 0) continue;
            const auto record =
                UpdateStampStore(volumes_, CityList::ThreeDay).findByName(name(who, i % 50));
            ASSERT_TRUE(record);
            EXPECT_EQ(record->days[0], name(who, i));
        }
    }
}

TEST_F(TwoProcesses, KilledWriterLeavesEveryCompletedWrite) {
    int done[2];
    ASSERT_EQ(pipe(done), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(done[0]);
        const UpdateStampStore stamps(volumes_, CityList::ThreeDay);
        for (int i = 0;; ++i) {
            // Multi-record replies too, so the kill may land inside one.
            std::u16string reply = u"stamp" + name("", i) + u"`";
            for (int j = 0; j < 5; ++j) reply += name("day", i) + u"$";
            std::vector<UserCityRecord> cities;
            for (int j = 0; j < 5; ++j)
                cities.push_back({u"", name("code", j), name("c", i * 5 + j), {}, {}, {}, {}});
            if (!stamps.storeReply(reply, cities)) _exit(1);
            if (write(done[1], &i, sizeof i) != sizeof i) _exit(2);
        }
    }
    close(done[1]);
    std::set<int> completed;
    int i;
    while (completed.size() < 40 && read(done[0], &i, sizeof i) == sizeof i) completed.insert(i);
    kill(child, SIGKILL);
    while (read(done[0], &i, sizeof i) == sizeof i) completed.insert(i);
    close(done[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "writer ended on its own: " << WEXITSTATUS(status);

    const UpdateStampStore stamps(volumes_, CityList::ThreeDay);
    const auto all = stamps.list();
    ASSERT_TRUE(all);
    for (int reply : completed)
        for (int j = 0; j < 5; ++j)
            EXPECT_TRUE(stamps.findByName(name("c", reply * 5 + j))) << reply;
    // A reply is stored whole or not at all.
    EXPECT_EQ((all->size() - 1) % 5, 0u);
    EXPECT_TRUE(stamps.addOrReplace({u"1", u"after", {}}));
}

}  // namespace
