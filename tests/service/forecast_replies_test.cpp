// Forecast replies read back by the product's parsers: what the service sends,
// the client stores and shows.

#include <atomic>
#include <thread>
#include <vector>

#include "ServiceFixture.h"
#include "weather/DayRecord.h"
#include "weather/ForecastReply.h"
#include "weather/ReplySyntax.h"
#include "weather/RequestPath.h"

namespace service::testing {
namespace {

using weather::CityRef;
using weather::DayRecord;

const std::vector<CityRef> kThreeCities{
    {u"510100", u"成都"}, {u"999999", u"无此城市"}, {u"S51001", u"九寨沟"}};
const std::u16string kClient = u"abc1234";

std::vector<std::u16string> codesOf(const std::vector<CityRef>& cities) {
    std::vector<std::u16string> codes;
    for (const CityRef& c : cities) codes.push_back(c.code);
    return codes;
}

using ForecastsReadBack = RunningService;

TEST_F(ForecastsReadBack, UnknownCodeKeepsTheBlocksInLineWithTheRequest) {
    const auto reply = fetch(weather::threeDayForecastPath(codesOf(kThreeCities), kClient), 3);
    ASSERT_EQ(weather::checkForecastReply(reply), weather::ReplyCheck::Ok);
    const auto update = weather::parseForecastReply(*reply, kThreeCities);
    EXPECT_EQ(update.stamp, u"2009-07-06 15:31:51");
    ASSERT_EQ(update.cities.size(), 2u);
    EXPECT_EQ(update.cities[0].code, u"510100");
    EXPECT_EQ(update.cities[1].code, u"S51001");  // the scenic spot, not shifted onto the gap
    for (const auto& city : update.cities) {
        EXPECT_FALSE(city.days[2].empty());
        EXPECT_TRUE(city.days[3].empty());
    }
}

TEST_F(ForecastsReadBack, TodayIsShownInFullAndLaterDaysInTheShortForm) {
    const auto reply = fetch(weather::threeDayForecastPath(codesOf(kThreeCities), kClient), 3);
    const auto update = weather::parseForecastReply(*reply, kThreeCities);
    const auto& days = update.cities.at(0).days;
    const DayRecord today(days[0]);
    EXPECT_EQ(today.dateText(weather::stampYear(update.stamp)), u"07/06 星期一");
    EXPECT_FALSE(today.weatherText().empty());
    EXPECT_FALSE(today.weatherPicture().empty());
    EXPECT_TRUE(today.hasDetailTemperature());
    EXPECT_FALSE(today.windDirectionText().empty());
    EXPECT_FALSE(today.windForceText().empty());
    EXPECT_FALSE(today.comfortIndex().empty());
    EXPECT_FALSE(today.dressingIndex().empty());
    EXPECT_FALSE(today.exerciseIndex().empty());
    EXPECT_GE(platform::toInt(today.rainfall()), 0);
    EXPECT_EQ(DayRecord(days[1]).main(1), u"07/07");
    EXPECT_TRUE(DayRecord(days[1]).comfortIndex().empty());
    EXPECT_EQ(DayRecord(days[2]).main(1), u"07/08");
    for (const auto& day : days) EXPECT_LE(day.size(), weather::kDayFieldLength);
}

TEST_F(ForecastsReadBack, WeeklyRepliesCarrySevenDaysAcrossTheMonthEnd) {
    server.setTime({2009, 7, 28, 8, 0, 0});
    const std::vector<CityRef> cities{{u"230100", u"哈尔滨"}, {u"440100", u"广州"}};
    const auto reply = fetch(weather::weeklyForecastPath(codesOf(cities), kClient), 2);
    const auto update = weather::parseForecastReply(*reply, cities);
    ASSERT_EQ(update.cities.size(), 2u);
    const char16_t* dates[] = {u"07/28", u"07/29", u"07/30", u"07/31",
                               u"08/01", u"08/02", u"08/03"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(DayRecord(update.cities[1].days[i]).main(1), dates[i]);
}

// A reply the client cannot read whole loses its last cities.
TEST_F(ForecastsReadBack, ListRepliesFitTheClientsBufferForTheirCityCount) {
    std::vector<CityRef> cities;
    for (const char16_t* code : {u"510100", u"510700", u"511100", u"110000", u"230100", u"440100",
                                 u"540100", u"460200", u"650100"})
        cities.push_back({code, code});
    for (const bool weekly : {false, true}) {
        for (size_t n = 1; n <= cities.size(); ++n) {
            const std::vector<CityRef> some(cities.begin(), cities.begin() + n);
            const auto codes = codesOf(some);
            const auto reply = fetch(weekly ? weather::weeklyForecastPath(codes, kClient)
                                            : weather::threeDayForecastPath(codes, kClient),
                                     static_cast<int>(n));
            const auto update = weather::parseForecastReply(*reply, some);
            EXPECT_EQ(update.cities.size(), n) << (weekly ? "weekly, " : "three-day, ") << n;
        }
    }
}

TEST_F(ForecastsReadBack, TheSameDayOfAPlaceStaysTheSameWhenAskedDaysApart) {
    const std::vector<CityRef> chengdu{{u"510100", u"成都"}};
    const auto path = weather::weeklyForecastPath(codesOf(chengdu), kClient);
    const auto first = weather::parseForecastReply(*fetch(path, 1), chengdu).cities.at(0);
    EXPECT_EQ(weather::parseForecastReply(*fetch(path, 1), chengdu).cities.at(0), first);
    server.setTime(addDays(kMorning, 1));
    const auto next = weather::parseForecastReply(*fetch(path, 1), chengdu).cities.at(0);
    // Yesterday's tomorrow is today, down to the temperatures and the wind.
    EXPECT_EQ(DayRecord(next.days[0]).main(1), DayRecord(first.days[1]).main(1));
    for (size_t field = 2; field < 8; ++field)
        EXPECT_EQ(DayRecord(next.days[0]).main(field), DayRecord(first.days[1]).main(field));
    EXPECT_NE(next.days, first.days);
}

class OnDemandTokens : public RunningService {
protected:
    std::vector<std::u16string> blocks(const std::vector<weather::OnDemandCity>& cities) {
        const auto reply = fetch(weather::onDemandForecastPath(cities), 3);
        const auto sections = weather::splitWithTrailing(*reply, weather::kSectionSeparator);
        EXPECT_EQ(sections.size(), 2u);
        return weather::splitTerminated(sections.at(1), weather::kBlockTerminator);
    }
};

TEST_F(OnDemandTokens, ANewTokenIsAnsweredOnceWithTheCodeAsTag) {
    const auto first = blocks({{u"510100", u"t0k3n01"}, {u"440100", u"t0k3n02"}});
    ASSERT_EQ(first.size(), 2u);
    EXPECT_TRUE(first[0].starts_with(u"510100*07/06*"));
    EXPECT_TRUE(first[1].starts_with(u"440100*07/06*"));
    // Asked again: refused, while a fresh token for the same city is answered.
    const auto second = blocks({{u"510100", u"t0k3n01"}, {u"440100", u"t0k3n03"}});
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0], u"-2");
    EXPECT_TRUE(second[1].starts_with(u"440100*"));
}

TEST_F(OnDemandTokens, SingleCityFormWithoutTrailingDashIsAnsweredToo) {
    const auto reply = fetch(weather::onDemandForecastPath({u"510100", u"abcdefg"}), 1);
    const auto update = weather::parseSingleCityReply(*reply, {u"510100", u"成都"});
    ASSERT_EQ(update.cities.size(), 1u);
    EXPECT_EQ(DayRecord(update.cities[0].days[0]).main(0), u"510100");
}

TEST_F(OnDemandTokens, MalformedPairsAreRefusedInPlaceAndUnknownCodesKeepTheirToken) {
    const auto reply = fetch(std::string("/spservers/kuvaro_dbweathers/510100*tok0001-badpair-"
                                         "*tok0002-999999*tok0003-510100*tok0001-"
                                         "?version=symbian2.0"),
                             5);
    const auto parts = weather::splitWithTrailing(*reply, weather::kSectionSeparator);
    const auto found = weather::splitTerminated(parts.at(1), weather::kBlockTerminator);
    ASSERT_EQ(found.size(), 5u);
    EXPECT_TRUE(found[0].starts_with(u"510100*"));
    EXPECT_EQ(found[1], u"-2");
    EXPECT_EQ(found[2], u"-2");
    EXPECT_EQ(found[3], u"");    // unknown code: nothing to answer with
    EXPECT_EQ(found[4], u"-2");  // the same token twice in one request
    EXPECT_FALSE(server.service().tokens().answered("tok0003"));
}

TEST_F(OnDemandTokens, ConcurrentRequestsWithOneTokenAreAnsweredOnce) {
    std::atomic<int> answered{0}, refused{0};
    std::vector<std::thread> clients;
    for (int i = 0; i < 8; ++i)
        clients.emplace_back([&] {
            const auto reply = client->fetchInSteps(
                &owner, weather::onDemandForecastPath({u"510100", u"shared1"}), 1);
            if (reply && reply->ends_with(u"`-2$"))
                ++refused;
            else if (reply && reply->find(u"`510100*") != std::u16string::npos)
                ++answered;
        });
    for (auto& t : clients) t.join();
    EXPECT_EQ(answered, 1);
    EXPECT_EQ(refused, 7);
}

TEST_F(OnDemandTokens, ARequestWithoutCitiesGetsTheStampAlone) {
    EXPECT_EQ(fetch(weather::onDemandForecastPath(std::vector<weather::OnDemandCity>{}), 1),
              u"2009-07-06 15:31:51`");
}

}  // namespace
}  // namespace service::testing
