#include "platform/registry/Registry.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

using platform::Registry;
using platform::RegistryHive;
namespace fs = std::filesystem;

namespace {

constexpr auto kHKLM = RegistryHive::LocalMachine;
constexpr auto kHKCU = RegistryHive::CurrentUser;
constexpr char16_t kItems[] = u"Software\\Microsoft\\Today\\Items";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("registry_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                   "_" + std::to_string(::getpid()));
        fs::remove_all(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    Registry registry() const { return Registry(folder_ / "Windows" / "registry.db"); }

    fs::path folder_;
};

TEST_F(RegistryTest, ValuesPersistWithTheirTypes) {
    ASSERT_TRUE(registry().setString(kHKLM, u"Software\\tevaloWeather", u"AppPath",
                                     u"\\Program Files\\tevaloWeather\\tevaloWeather.exe"));
    ASSERT_TRUE(
        registry().setDword(kHKLM, kItems + std::u16string(u"\\米多晴雨匣"), u"Enabled", 1));

    const Registry again = registry();
    EXPECT_EQ(again.getString(kHKLM, u"software\\TEVALOWEATHER", u"apppath"),
              u"\\Program Files\\tevaloWeather\\tevaloWeather.exe");
    EXPECT_EQ(again.getDword(kHKLM, kItems + std::u16string(u"\\米多晴雨匣"), u"Enabled"), 1u);
    // A value of the other type, another hive or another name is absent.
    EXPECT_FALSE(again.getDword(kHKLM, u"Software\\tevaloWeather", u"AppPath"));
    EXPECT_FALSE(again.getString(kHKCU, u"Software\\tevaloWeather", u"AppPath"));
    EXPECT_FALSE(again.getString(kHKLM, u"Software\\tevaloWeather", u"Other"));

    ASSERT_TRUE(again.setDword(kHKLM, kItems + std::u16string(u"\\米多晴雨匣"), u"Enabled", 0));
    EXPECT_EQ(again.getDword(kHKLM, kItems + std::u16string(u"\\米多晴雨匣"), u"Enabled"), 0u);
    EXPECT_TRUE(again.deleteValue(kHKLM, u"Software\\tevaloWeather", u"AppPath"));
    EXPECT_FALSE(again.deleteValue(kHKLM, u"Software\\tevaloWeather", u"AppPath"));
}

TEST_F(RegistryTest, DeletingAKeyTakesItsSubtreeButNotItsSiblings) {
    const Registry r = registry();
    ASSERT_TRUE(r.setDword(kHKLM, std::u16string(kItems) + u"\\A", u"Enabled", 1));
    ASSERT_TRUE(r.setDword(kHKLM, std::u16string(kItems) + u"\\A\\Deep", u"X", 1));
    ASSERT_TRUE(r.setDword(kHKLM, std::u16string(kItems) + u"\\AB", u"Enabled", 1));
    ASSERT_TRUE(r.createKey(kHKLM, std::u16string(kItems) + u"\\C"));
    EXPECT_EQ(r.subKeys(kHKLM, kItems), (std::vector<std::u16string>{u"A", u"AB", u"C"}));

    ASSERT_TRUE(r.deleteKey(kHKLM, std::u16string(kItems) + u"\\a"));
    EXPECT_FALSE(r.keyExists(kHKLM, std::u16string(kItems) + u"\\A\\Deep"));
    EXPECT_FALSE(r.getDword(kHKLM, std::u16string(kItems) + u"\\A\\Deep", u"X"));
    EXPECT_EQ(r.getDword(kHKLM, std::u16string(kItems) + u"\\AB", u"Enabled"), 1u);
    EXPECT_EQ(r.subKeys(kHKLM, kItems), (std::vector<std::u16string>{u"AB", u"C"}));
    EXPECT_FALSE(r.deleteKey(kHKLM, std::u16string(kItems) + u"\\A"));
}

TEST_F(RegistryTest, TwoProcessesWritingAtOnceLoseNothing) {
    ASSERT_TRUE(registry().createKey(kHKCU, u"Software\\Test"));
    constexpr int kWrites = 100;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    const char16_t* prefix = child == 0 ? u"child" : u"parent";
    bool ok = true;
    for (int i = 0; i < kWrites; ++i)
        ok = registry().setDword(kHKCU, u"Software\\Test",
                                 prefix + std::u16string(u"_") + std::u16string(1, u'0' + i / 10) +
                                     std::u16string(1, u'0' + i % 10),
                                 static_cast<std::uint32_t>(i)) &&
             ok;
    if (child == 0) _exit(ok ? 0 : 1);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(registry().values(kHKCU, u"Software\\Test").size(), 2u * kWrites);
}

}  // namespace
