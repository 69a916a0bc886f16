#include "app/settings/ForwardText.h"

#include <gtest/gtest.h>

using app::ForwardText;

TEST(ForwardText, ThreeDaysOfAStoredCity) {
    const ForwardText::ThreeDays days{u"ci_1*08/19*1*0*28*34*0*0&**",
                                      u"ci_1*08/20*1*7*27*33*0*0&**", u""};
    EXPECT_EQ(ForwardText::forecast(u"成都", &days),
              u"成都\n今天：多云转晴\n明天：多云转小雨\n后天：未知");
}

TEST(ForwardText, CityWithoutForecastReadsUnknown) {
    EXPECT_EQ(ForwardText::forecast(u"成都", nullptr), u"成都\n今天：未知\n明天：未知\n后天：未知");
}

struct DayCase {
    const char16_t* record;
    const char16_t* line;
};

class ForwardDayLine : public ::testing::TestWithParam<DayCase> {};

// The second kind code is the weather that follows: spelled out when it
// changes, never appended as a bare number.
TEST_P(ForwardDayLine, NamesTheWeatherAndItsChange) {
    EXPECT_EQ(ForwardText::dayLine(GetParam().record), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Records, ForwardDayLine,
                         ::testing::Values(DayCase{u"ci_1*08/18*1*1*28*32*1*2&***1500", u"多云"},
                                           // Code 0 is 晴: a change to sunny is a change.
                                           DayCase{u"ci_1*08/18*1*0*28*32", u"多云转晴"},
                                           DayCase{u"ci_1*08/18*0*0*28*32", u"晴"},
                                           DayCase{u"ci_1*08/18*1**28*32", u"多云"},
                                           DayCase{u"ci_1*08/18*3*13", u"阵雨转阵雪"},
                                           DayCase{u"ci_1*08/18*1-7", u"多云转小雨"},
                                           DayCase{u"ci_1*08/18", u""}, DayCase{u"", u"未知"}));

TEST(ForwardText, MessagesKeepQuotesBlanksAndLineBreaksWhole) {
    const std::u16string text = u"\"成 都\"\n今天：晴 -to \"x\"";
    const auto forward = ForwardText::forward(text);
    EXPECT_EQ(forward.service, u"SMS");
    EXPECT_EQ(forward.to, u"");
    EXPECT_EQ(forward.body, u"此消息来至米多晴雨匣");
    EXPECT_EQ(forward.subject, text);

    const auto feedback = ForwardText::feedback(u"10657502131766");
    EXPECT_EQ(feedback.to, u"10657502131766");
    EXPECT_EQ(feedback.body, u"意见反馈");
    EXPECT_EQ(feedback.subject, u"");
    EXPECT_EQ(ForwardText::recommend(u"http://wap.example").body, u"米多晴雨匣");
}
