#include "weather/ClientCode.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>

#include "platform/clock/Random.h"

class ScriptedRandom {
public:
    explicit ScriptedRandom(std::deque<int> values) : values_(std::move(values)) {
        previous_ = platform::setRandomForTesting([this] {
            const int v = values_.front();
            values_.pop_front();
            return v;
        });
    }
    ~ScriptedRandom() { platform::setRandomForTesting(std::move(previous_)); }

private:
    std::deque<int> values_;
    platform::RandomSource previous_;
};

TEST(ClientCode, KeepsOnlyDigitsAndLowerCaseOfRandomMod123) {
    // 48 '0', 122 'z', 123 + 97 'a'; 65 'A', 47 '/', 91 '[' and 123 (0) are skipped.
    ScriptedRandom random({65, 48, 47, 122, 91, 123 + 97, 123, 57, 97, 98, 99, 100, 101});
    EXPECT_EQ(weather::makeClientCode(), u"0za9abc");
}

TEST(ClientCode, RealCodesAreSevenCodeCharactersAndVary) {
    platform::seedRandom(12345);
    std::set<std::u16string> seen;
    for (int i = 0; i < 200; ++i) {
        const std::u16string code = weather::makeClientCode();
        ASSERT_TRUE(weather::isClientCode(code));
        seen.insert(code);
    }
    EXPECT_GT(seen.size(), 190u);
    EXPECT_TRUE(weather::isClientCode(weather::makeRequestToken()));
}

TEST(ClientCode, RecognisesOnlyTheCodeAlphabet) {
    EXPECT_TRUE(weather::isClientCode(u"0123xyz"));
    EXPECT_FALSE(weather::isClientCode(u"0123xy"));
    EXPECT_FALSE(weather::isClientCode(u"0123xyzz"));
    EXPECT_FALSE(weather::isClientCode(u"0123XYZ"));
}
