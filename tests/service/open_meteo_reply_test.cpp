// The upstream's JSON read by the parser: recorded replies of one and several
// places, errors, cut and malformed text, values left out.

#include <gtest/gtest.h>

#include "UpstreamStub.h"
#include "service/OpenMeteoQuery.h"
#include "service/OpenMeteoReply.h"

namespace service {
namespace {

using testing::recordedFile;
using testing::recordedPlaces;

TEST(RecordedReplies, OnePlaceIsAnObjectAndSeveralAreAnArrayInRequestOrder) {
    const auto one = parseOpenMeteoReply(recordedPlaces("nine_places.json", 1), 1);
    ASSERT_TRUE(one.ok()) << one.error;
    ASSERT_EQ(one.places.size(), 1u);
    ASSERT_EQ(one.places[0].days.size(), 7u);

    const auto nine = parseOpenMeteoReply(recordedFile("nine_places.json"), 9);
    ASSERT_TRUE(nine.ok()) << nine.error;
    ASSERT_EQ(nine.places.size(), 9u);
    const UpstreamDay& first = nine.places[0].days[0];
    EXPECT_EQ(first.date, "2026-12-08");
    EXPECT_EQ(first.weatherCode, 61);
    EXPECT_EQ(first.firstHalfCode, 2);
    EXPECT_EQ(first.secondHalfCode, 61);
    EXPECT_DOUBLE_EQ(*first.high, 12.6);
    EXPECT_DOUBLE_EQ(*first.low, 5.4);
    EXPECT_DOUBLE_EQ(*first.precipitationMm, 2.3);
    EXPECT_NEAR(*first.windSpeedMs, 14.0 / 3.6, 1e-9);  // km/h as the units say
    EXPECT_DOUBLE_EQ(*first.windFromDegrees, 45.0);
    // The second place's days come in another order in the recording.
    EXPECT_EQ(nine.places[1].days[0].weatherCode, 3);
}

TEST(RecordedReplies, ValuesLeftOutStayMissingAndOtherUnitsAreConverted) {
    const auto reply = parseOpenMeteoReply(recordedFile("running_out.json"), 1);
    ASSERT_TRUE(reply.ok()) << reply.error;
    const auto& days = reply.places.at(0).days;
    ASSERT_EQ(days.size(), 7u);
    EXPECT_DOUBLE_EQ(*days[1].windSpeedMs, 3.4);  // m/s
    EXPECT_FALSE(days[1].firstHalfCode);          // no hourly data
    EXPECT_FALSE(days[2].high);
    EXPECT_FALSE(days[2].weatherCode);
    EXPECT_FALSE(days[2].windSpeedMs);
}

struct BadReply {
    const char* name;
    std::string text;
    size_t places;
    const char* error;
};

class BadReplies : public ::testing::TestWithParam<BadReply> {};

TEST_P(BadReplies, AreRefusedWithTheirReasonAndNoPlace) {
    const auto reply = parseOpenMeteoReply(GetParam().text, GetParam().places);
    EXPECT_FALSE(reply.ok());
    EXPECT_TRUE(reply.places.empty());
    EXPECT_NE(reply.error.find(GetParam().error), std::string::npos) << reply.error;
}

INSTANTIATE_TEST_SUITE_P(
    Recorded, BadReplies,
    ::testing::Values(
        BadReply{"error400", recordedFile("error_400.json"), 1,
                 "Latitude must be in range of -90 to 90°"},
        BadReply{"error429", recordedFile("error_429.json"), 3, "request limit exceeded"},
        BadReply{"errorWithoutReason", R"({"error":true})", 1, "no reason"},
        BadReply{"cut", recordedFile("nine_places.json").substr(0, 5000), 9, "malformed JSON"},
        BadReply{"html", "<html><body>502 Bad Gateway</body></html>", 1, "malformed JSON"},
        BadReply{"empty", "", 1, "malformed JSON"},
        BadReply{"fewerPlaces", recordedPlaces("nine_places.json", 2), 3,
                 "2 places in the reply for 3 requested"},
        BadReply{"objectForSeveral", recordedPlaces("nine_places.json", 1), 2,
                 "1 places in the reply for 2 requested"},
        BadReply{"noDaily", R"({"latitude":30.0,"longitude":104.0})", 1, "no daily.time"},
        BadReply{"notAnObject", "[1,2]", 2, "not a JSON object"},
        BadReply{"unknownUnit",
                 R"({"daily_units":{"wind_speed_10m_max":"bft"},"daily":{"time":["2026-12-08"],)"
                 R"("wind_speed_10m_max":[3]}})",
                 1, "unknown wind speed unit bft"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ForecastTarget, AsksForEveryPositionAndTheDailyVariablesInChineseLocalTime) {
    const std::string target = openMeteoTarget({{30.6667, 104.0667}, {-33.5, 151.25}});
    EXPECT_EQ(target,
              "/v1/forecast?latitude=30.6667,-33.5000&longitude=104.0667,151.2500"
              "&daily=weather_code,temperature_2m_max,temperature_2m_min,precipitation_sum,"
              "wind_speed_10m_max,wind_direction_10m_dominant&hourly=weather_code"
              "&timezone=Asia%2FShanghai&forecast_days=7");
}

}  // namespace
}  // namespace service
