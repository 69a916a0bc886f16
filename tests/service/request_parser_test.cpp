// Request targets taken apart: the resource, what follows its name, and the
// refusals; any byte string must give an answer, never a crash.

#include <gtest/gtest.h>

#include <random>

#include "service/ForecastService.h"
#include "service/RequestParser.h"

namespace service {
namespace {

struct Case {
    const char* target;
    Resource resource;
    std::vector<std::string> codesOrIds;
};

class TargetsByResource : public ::testing::TestWithParam<Case> {};

TEST_P(TargetsByResource, NameTheResourceAndItsArguments) {
    const Case& c = GetParam();
    const ServiceRequest request = RequestParser::parse(c.target);
    EXPECT_EQ(request.resource, c.resource) << c.target;
    EXPECT_TRUE(request.error.empty()) << request.error;
    const auto& got =
        c.resource == Resource::DisasterWarnings || c.resource == Resource::FireWarnings
            ? request.ids
            : request.codes;
    EXPECT_EQ(got, c.codesOrIds) << c.target;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TargetsByResource,
    ::testing::Values(
        Case{"/spservers/kuvaro_weathers/101-102-103?version=symbian2.0&code=abc1234",
             Resource::ThreeDay,
             {"101", "102", "103"}},
        Case{"/spservers/kuvaro_weathers/?version=symbian2.0", Resource::ThreeDay, {}},
        Case{"/spservers/kuvaro_weathers/101--103", Resource::ThreeDay, {"101", "", "103"}},
        Case{"/spservers/kuvaro_week_weathers/%31%30%31", Resource::Weekly, {"101"}},
        Case{"/spservers/find_disasters_weathers?version=symbian2.0",
             Resource::DisasterWarnings,
             {}},
        Case{"/spservers/find_disasters_weathers119675-119674?version=symbian2.0",
             Resource::DisasterWarnings,
             {"119675", "119674"}},
        Case{"/spservers/find_fire_warning209837?code=x", Resource::FireWarnings, {"209837"}},
        Case{"/spservers/danger_report?version=symbian2.0", Resource::DangerReport, {}},
        Case{"/soft_new?id=1", Resource::PastWarnings, {}}, Case{"/", Resource::HomePage, {}},
        // Look-alike names are not the resource.
        Case{"/spservers/kuvaro_weathersX/101", Resource::Unknown, {}},
        Case{"/spservers/danger_reports", Resource::Unknown, {}}));

TEST(OnDemandPairs, TrailingDashIsNotAPairButEveryOtherPieceIs) {
    const auto request =
        RequestParser::parse("/spservers/kuvaro_dbweathers/101*abc1234-102*-*x-103*a*b-104*ab!-");
    ASSERT_EQ(request.pairs.size(), 5u);
    EXPECT_TRUE(request.pairs[0].wellFormed);
    EXPECT_EQ(request.pairs[0].code, "101");
    EXPECT_EQ(request.pairs[0].token, "abc1234");
    for (size_t i = 1; i < 5; ++i) EXPECT_FALSE(request.pairs[i].wellFormed) << i;
}

TEST(Refusals, ReportTypeAndIdentifierMustBeThere) {
    EXPECT_EQ(RequestParser::parse("/spservers/report_title?type=2").reportType, 2);
    EXPECT_FALSE(RequestParser::parse("/spservers/report_title?type=4").error.empty());
    EXPECT_FALSE(RequestParser::parse("/spservers/report_title").error.empty());
    EXPECT_EQ(RequestParser::parse("/spservers/find_information/200969?x").reportId, "200969");
    EXPECT_FALSE(RequestParser::parse("/spservers/find_information/").error.empty());
    EXPECT_FALSE(RequestParser::parse("no-slash").error.empty());
    EXPECT_FALSE(RequestParser::parse(std::string(20000, '/')).error.empty());
}

TEST(QueryText, DecodesPercentAndPlusAndKeepsTheFirstOfRepeatedNames) {
    const auto request = RequestParser::parse("/?version=symbian2.0&code=a%2Bb+c&code=zz&flag&%");
    EXPECT_EQ(request.param("version"), "symbian2.0");
    EXPECT_EQ(request.param("code"), "a+b c");
    EXPECT_TRUE(request.params.contains("flag"));
    EXPECT_EQ(RequestParser::percentDecode("%zz%4", false), "%zz%4");
}

// The same walk the fuzzer takes, in small, so every build runs it.
TEST(AnyBytes, AreParsedAndAnsweredWithoutHarm) {
    ForecastService answers(CityTable{});
    std::mt19937 random(7);
    const std::string alphabet = "/*-?&=%$`|0123456789abcdefspervkuo_\xE5\xA4\xA9\xFF";
    const std::string prefixes[] = {"/spservers/kuvaro_dbweathers/",
                                    "/spservers/kuvaro_weathers/",
                                    "/spservers/find_fire_warning",
                                    "/spservers/report_title?",
                                    "/soft_new?",
                                    "/"};
    for (int i = 0; i < 3000; ++i) {
        std::string target = prefixes[random() % std::size(prefixes)];
        const int length = static_cast<int>(random() % 40);
        for (int k = 0; k < length; ++k) target += alphabet[random() % alphabet.size()];
        target += "&version=symbian2.0";
        const Reply reply = answers.answer(RequestParser::parse(target), {2009, 7, 6, 9, 0, 0});
        EXPECT_FALSE(reply.body.empty()) << target;
    }
}

}  // namespace
}  // namespace service
