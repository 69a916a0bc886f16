#include "platform/text/Utf.h"

#include <gtest/gtest.h>

using platform::fromUtf8;
using platform::toUtf8;

TEST(Utf8Decoding, RoundTripsChineseAndAstralText) {
    const std::u16string text = u"晴转多云 28～32℃ 😀";
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
}

TEST(Utf8Decoding, ACutInsideTheLastCharacterKeepsEverythingBeforeIt) {
    const std::string full = toUtf8(u"多云");  // 6 bytes
    for (size_t cut = 4; cut < 6; ++cut) {
        EXPECT_EQ(fromUtf8(full.substr(0, cut)), u"多") << "cut at " << cut;
    }
    EXPECT_EQ(fromUtf8(full.substr(0, 3)), u"多");
}

TEST(Utf8Decoding, InvalidBytesBecomeReplacementCharacters) {
    EXPECT_EQ(fromUtf8("a\xff"
                       "b"),
              u"a\uFFFDb");
    EXPECT_EQ(fromUtf8("\xc0\xaf"), u"\uFFFD");        // overlong
    EXPECT_EQ(fromUtf8("\xed\xa0\x80x"), u"\uFFFDx");  // encoded surrogate
    EXPECT_EQ(fromUtf8("\xe5"
                       "a"),
              u"\uFFFDa");  // lead without continuation
}

TEST(DecimalConversion, BehavesLikeTheWideAtoi) {
    EXPECT_EQ(platform::toInt(u""), 0);
    EXPECT_EQ(platform::toInt(u"abc"), 0);
    EXPECT_EQ(platform::toInt(u" 28"), 28);
    EXPECT_EQ(platform::toInt(u"-5x"), -5);
    EXPECT_EQ(platform::toInt(u"08"), 8);
    EXPECT_EQ(platform::toInt(u"99999999999999"), 2147483647);
}
