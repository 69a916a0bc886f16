// The service in live mode against an upstream of our own: the upstream's
// numbers reach the product's parsers mapped, places are fetched once per cache
// period and in batches, failures are answered from the cache or with "0",
// never with made-up weather.

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "ServiceFixture.h"
#include "UpstreamStub.h"
#include "weather/DayRecord.h"
#include "weather/ForecastReply.h"
#include "weather/RequestPath.h"

namespace service::testing {
namespace {

using weather::CityRef;
using weather::DayRecord;

const LocalTime kLiveMorning{2026, 12, 8, 10, 0, 0};
const std::u16string kClient = u"abc1234";

const std::vector<CityRef> kNineCities{
    {u"510100", u"成都"}, {u"510700", u"绵阳"},   {u"511100", u"乐山"},
    {u"110000", u"北京"}, {u"230100", u"哈尔滨"}, {u"440100", u"广州"},
    {u"540100", u"拉萨"}, {u"460200", u"三亚"},   {u"650100", u"乌鲁木齐"}};

const std::vector<CityRef> kChengdu{kNineCities[0]};

std::vector<std::u16string> codesOf(const std::vector<CityRef>& cities) {
    std::vector<std::u16string> codes;
    for (const CityRef& c : cities) codes.push_back(c.code);
    return codes;
}

class LiveService : public RunningService {
protected:
    LocalTime startTime() const override { return kLiveMorning; }
    std::chrono::milliseconds replyTimeout() const override { return std::chrono::seconds(20); }

    void beforeStart() override {
        upstream.answerRecorded("nine_places.json");
        LiveOptions options;
        options.upstream = upstream.url();
        options.cacheMinutes = 30;
        options.timeouts = {std::chrono::milliseconds(2000), std::chrono::milliseconds(1000)};
        options.report = [this](const std::string& line) {
            std::lock_guard lock(reportMutex);
            reports.push_back(line);
        };
        server.service().goLive(std::move(options));
    }

    std::optional<std::u16string> threeDay(const std::vector<CityRef>& cities) {
        return fetch(weather::threeDayForecastPath(codesOf(cities), kClient),
                     static_cast<int>(cities.size()));
    }

    weather::ForecastUpdate threeDayUpdate(const std::vector<CityRef>& cities) {
        const auto reply = threeDay(cities);
        EXPECT_EQ(weather::checkForecastReply(reply), weather::ReplyCheck::Ok)
            << (reply ? platform::toUtf8(*reply) : "no reply");
        return reply ? weather::parseForecastReply(*reply, cities) : weather::ForecastUpdate{};
    }

    std::vector<std::string> reported() {
        std::lock_guard lock(reportMutex);
        return reports;
    }

    void later(int minutes) {
        server.setTime(fromSecondsSinceEpoch(secondsSinceEpoch(kLiveMorning) + 60LL * minutes));
    }

    UpstreamStub upstream;
    std::mutex reportMutex;
    std::vector<std::string> reports;
};

using LiveAnswers = LiveService;

TEST_F(LiveAnswers, CarryTheUpstreamsNumbersMappedToTheProductsCodes) {
    const auto update = threeDayUpdate({kNineCities[0]});
    EXPECT_EQ(update.stamp.substr(0, 16), u"2026-12-08 10:00");
    ASSERT_EQ(update.cities.size(), 1u);
    const auto& days = update.cities[0].days;
    EXPECT_EQ(days[0], u"ci_1*12/08*1*7*5*13*1*1&偏冷，注意添衣*夹克、毛衣等春秋装*较适宜晨练*2.3");
    EXPECT_EQ(days[1], u"ci_1*12/09*2*2*-1*8*4*0&**");
    EXPECT_EQ(days[2], u"ci_1*12/10*4*5*15*20*8*5&**");
    EXPECT_TRUE(days[3].empty());

    const DayRecord today(days[0]);
    EXPECT_EQ(today.weatherText(), u"多云转小雨");
    EXPECT_EQ(today.listTemperature(), u"5～13");
    EXPECT_EQ(today.dateText(weather::stampYear(update.stamp)), u"12/08 星期二");
    EXPECT_EQ(today.windDirectionText(), u"东北风");
    EXPECT_EQ(today.windForceText(), u"三到四级");
    EXPECT_EQ(today.rainfall(), u"2.3");
    EXPECT_EQ(DayRecord(days[2]).weatherText(), u"雷阵雨转雷阵雨并伴有冰雹");
}

TEST_F(LiveAnswers, WeeklyRunsSevenDaysWithCalmAndRainstormDays) {
    const auto reply = fetch(weather::weeklyForecastPath(codesOf({kNineCities[0]}), kClient), 1);
    ASSERT_EQ(weather::checkForecastReply(reply), weather::ReplyCheck::Ok);
    const auto update = weather::parseForecastReply(*reply, kChengdu);
    const auto& days = update.cities.at(0).days;
    EXPECT_EQ(days[3], u"ci_1*12/11*18*18*1*6*2*0&**");
    EXPECT_EQ(days[4], u"ci_1*12/12*14*15*-6*-1*7*1&**");
    EXPECT_EQ(days[5], u"ci_1*12/13*0*0*-3*7*0*0&**");
    EXPECT_EQ(DayRecord(days[5]).windDirectionText(), u"无风向");
    EXPECT_EQ(days[6], u"ci_1*12/14*11*11*10*14*3*3&**");
    EXPECT_EQ(DayRecord(days[6]).weatherText(), u"大暴雨");
}

TEST_F(LiveAnswers, AskTheUpstreamForThePositionsInChineseLocalTime) {
    threeDayUpdate({kNineCities[0]});
    ASSERT_EQ(upstream.targets().size(), 1u);
    const std::string target = upstream.targets()[0];
    EXPECT_NE(target.find("latitude=30.6667&longitude=104.0667&"), std::string::npos) << target;
    EXPECT_NE(target.find("daily=weather_code,temperature_2m_max,temperature_2m_min,"
                          "precipitation_sum,wind_speed_10m_max,wind_direction_10m_dominant"),
              std::string::npos);
    EXPECT_NE(target.find("timezone=Asia%2FShanghai"), std::string::npos);
    EXPECT_NE(target.find("forecast_days=7"), std::string::npos);
    // Coordinates only: nothing of the client goes upstream.
    EXPECT_EQ(target.find("abc1234"), std::string::npos);
    EXPECT_EQ(target.find("510100"), std::string::npos);
}

using Caching = LiveService;

TEST_F(Caching, NineCitiesAreOneUpstreamRequestAndTheCacheAnswersUntilItExpires) {
    const auto first = threeDayUpdate(kNineCities);
    ASSERT_EQ(first.cities.size(), 9u);
    ASSERT_EQ(upstream.requestCount(), 1u);
    EXPECT_NE(upstream.targets()[0].find("latitude=30.6667,31.4640,29.5623,39.9075,45.7500,"),
              std::string::npos);
    // Blocks stay with their cities: the second place's recorded days start on its day 2.
    EXPECT_EQ(first.cities[1].code, u"510700");
    EXPECT_TRUE(first.cities[1].days[0].starts_with(u"ci_2*12/08*2*2*-2*7*"));

    later(29);
    const auto cached = threeDayUpdate(kNineCities);
    EXPECT_EQ(upstream.requestCount(), 1u);
    EXPECT_EQ(cached.stamp.substr(0, 16), u"2026-12-08 10:00");  // when the data was fetched
    EXPECT_EQ(cached.cities, first.cities);

    later(31);
    const auto fresh = threeDayUpdate(kNineCities);
    EXPECT_EQ(upstream.requestCount(), 2u);
    EXPECT_EQ(fresh.stamp.substr(0, 16), u"2026-12-08 10:31");
}

TEST_F(Caching, OnlyThePlacesNotCachedAreAskedFor) {
    threeDayUpdate({kNineCities[0]});
    threeDayUpdate({kNineCities[0], kNineCities[3]});
    ASSERT_EQ(upstream.requestCount(), 2u);
    EXPECT_NE(upstream.targets()[1].find("latitude=39.9075&longitude=116.3972&"), std::string::npos)
        << upstream.targets()[1];
}

TEST_F(Caching, PlacesThatShareAPositionAreAskedForOnce) {
    // 九寨沟 stands at 绵阳's position.
    const std::vector<CityRef> both{{u"510700", u"绵阳"}, {u"S51001", u"九寨沟"}};
    const auto update = threeDayUpdate(both);
    ASSERT_EQ(update.cities.size(), 2u);
    EXPECT_EQ(update.cities[0].days[0].substr(4), update.cities[1].days[0].substr(4));
    ASSERT_EQ(upstream.requestCount(), 1u);
    EXPECT_NE(upstream.targets()[0].find("latitude=31.4640&longitude"), std::string::npos);
}

TEST_F(Caching, ThirtyTwoConcurrentClientsCauseOneUpstreamRequest) {
    // The upstream answers slowly, so that the clients arrive while it works.
    upstream.answerWith([](size_t locations) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return StubReply{StubReply::Kind::Answer, 200,
                         recordedPlaces("nine_places.json", locations)};
    });
    std::vector<std::optional<std::u16string>> replies(32);
    std::vector<std::thread> clients;
    for (size_t i = 0; i < replies.size(); ++i)
        clients.emplace_back([&, i] { replies[i] = threeDay(kNineCities); });
    for (auto& t : clients) t.join();
    EXPECT_EQ(upstream.requestCount(), 1u);
    for (const auto& reply : replies) {
        ASSERT_EQ(weather::checkForecastReply(reply), weather::ReplyCheck::Ok);
        EXPECT_EQ(weather::parseForecastReply(*reply, kNineCities).cities.size(), 9u);
    }
}

using WithoutData = LiveService;

TEST_F(WithoutData, PlacesWithoutAPositionOrUnknownGetEmptyBlocks) {
    const std::vector<CityRef> mixed{
        {u"510100", u"成都"}, {u"S51002", u"峨眉山"}, {u"999999", u"无此城市"}};
    const auto reply = threeDay(mixed);
    ASSERT_TRUE(reply);
    EXPECT_TRUE(reply->ends_with(u"$$$")) << platform::toUtf8(*reply);
    EXPECT_EQ(weather::parseForecastReply(*reply, mixed).cities.size(), 1u);
    // Nothing at all to answer with is the service's "no data".
    EXPECT_EQ(threeDay({{u"S51002", u"峨眉山"}}), u"0");
}

TEST_F(WithoutData, AForecastThatRunsOutEndsAtItsLastCompleteDay) {
    upstream.answerWith([](size_t) {
        return StubReply{StubReply::Kind::Answer, 200, recordedFile("running_out.json")};
    });
    const auto reply = fetch(weather::weeklyForecastPath(codesOf({kNineCities[0]}), kClient), 1);
    const auto update = weather::parseForecastReply(*reply, kChengdu);
    const auto& days = update.cities.at(0).days;
    EXPECT_EQ(DayRecord(days[0]).windForceText(), u"微风");      // 3.3 m/s is force 2
    EXPECT_EQ(DayRecord(days[1]).windForceText(), u"三到四级");  // 3.4 m/s is force 3
    EXPECT_TRUE(days[2].empty());
}

struct Failure {
    const char* name;
    StubReply reply;
    const char* reported;
};

class UpstreamFailures : public LiveService, public ::testing::WithParamInterface<Failure> {
protected:
    void failFromNowOn() {
        const StubReply reply = GetParam().reply;
        upstream.answerWith([reply](size_t) { return reply; });
    }
};

TEST_P(UpstreamFailures, WithNothingCachedAnswerNoData) {
    failFromNowOn();
    EXPECT_EQ(threeDay(kNineCities), u"0");
    EXPECT_EQ(fetch(weather::weeklyForecastPath(codesOf(kNineCities), kClient), 9), u"0");
    const auto lines = reported();
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines[0].find(GetParam().reported), std::string::npos) << lines[0];
    // A failed request is not repeated for every client at once.
    EXPECT_EQ(upstream.requestCount(), 1u);
}

TEST_P(UpstreamFailures, AnswerCachedPlacesFromTheCacheWithTheirFetchTime) {
    const auto before = threeDayUpdate({kNineCities[0]});
    failFromNowOn();
    later(45);
    const std::vector<CityRef> cachedAndNew{kNineCities[0], kNineCities[3]};
    const auto reply = threeDay(cachedAndNew);
    ASSERT_EQ(weather::checkForecastReply(reply), weather::ReplyCheck::Ok);
    const auto update = weather::parseForecastReply(*reply, cachedAndNew);
    EXPECT_EQ(update.stamp.substr(0, 16), u"2026-12-08 10:00");
    ASSERT_EQ(update.cities.size(), 1u);  // 北京 has no data and is left alone
    EXPECT_EQ(update.cities[0].days, before.cities[0].days);
    EXPECT_EQ(upstream.requestCount(), 2u);

    // The upstream is asked again only after a while.
    threeDay(cachedAndNew);
    EXPECT_EQ(upstream.requestCount(), 2u);
    later(45 + 1 + LiveForecasts::kRetryAfterSeconds / 60);
    upstream.answerRecorded("nine_places.json");
    const auto recovered = threeDayUpdate(cachedAndNew);
    EXPECT_EQ(recovered.cities.size(), 2u);
    EXPECT_EQ(upstream.requestCount(), 3u);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UpstreamFailures,
    ::testing::Values(
        Failure{"BadRequest",
                {StubReply::Kind::Answer, 400, recordedFile("error_400.json")},
                "Latitude must be in range"},
        Failure{"TooManyRequests",
                {StubReply::Kind::Answer, 429, recordedFile("error_429.json")},
                "HTTP 429"},
        Failure{"ServerError", {StubReply::Kind::Answer, 500, "<html>500</html>"}, "HTTP 500"},
        Failure{"TimedOut", {StubReply::Kind::Hang, 0, ""}, "timed out"},
        Failure{
            "Malformed", {StubReply::Kind::Answer, 200, "[{\"latitude\":30.7,"}, "malformed JSON"},
        Failure{"ClosedMidReply", {StubReply::Kind::Close, 0, ""}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WithoutData, YesterdaysCachedDaysAreNotShownAsToday) {
    threeDayUpdate({kNineCities[0]});
    upstream.answerWith([](size_t) { return StubReply{StubReply::Kind::Answer, 500, ""}; });
    server.setTime({2026, 12, 9, 8, 0, 0});
    const auto update = threeDayUpdate({kNineCities[0]});
    EXPECT_EQ(update.stamp.substr(0, 10), u"2026-12-08");
    EXPECT_TRUE(update.cities.at(0).days[0].starts_with(u"ci_1*12/09*2*2*-1*8*"))
        << platform::toUtf8(update.cities.at(0).days[0]);
    EXPECT_TRUE(update.cities.at(0).days[0].find(u'&') + 1 < update.cities.at(0).days[0].size())
        << "the first shown day carries the index texts";
}

using LiveOnDemand = LiveService;

TEST_F(LiveOnDemand, ATokenIsUsedUpOnlyByAForecast) {
    upstream.answerWith([](size_t) { return StubReply{StubReply::Kind::Answer, 500, ""}; });
    const weather::OnDemandCity chengdu{u"510100", u"tok0001"};
    EXPECT_EQ(fetch(weather::onDemandForecastPath(chengdu), 1), u"0");

    later(2);
    upstream.answerRecorded("nine_places.json");
    const auto reply = fetch(weather::onDemandForecastPath(chengdu), 1);
    ASSERT_TRUE(reply);
    EXPECT_NE(reply->find(u"`510100*12/08*1*7*5*13*1*1&"), std::string::npos)
        << platform::toUtf8(*reply);
    EXPECT_TRUE(fetch(weather::onDemandForecastPath(chengdu), 1)->ends_with(u"`-2$"));
}

struct QuietPath {
    const char* name;
    std::u16string path;
    const char* tail;  // what follows the stamp
};

class NothingNewWhenLive : public LiveService, public ::testing::WithParamInterface<QuietPath> {};

TEST_P(NothingNewWhenLive, WarningsReportsAndTheDangerReportAnswerTheStampAlone) {
    const auto reply = fetch(GetParam().path, 35);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->substr(0, 11), u"2026-12-08 ");
    EXPECT_EQ(platform::toUtf8(reply->substr(19)), GetParam().tail);
    EXPECT_EQ(upstream.requestCount(), 0u);
}

const std::vector<std::u16string> kNoIds;
INSTANTIATE_TEST_SUITE_P(
    Paths, NothingNewWhenLive,
    ::testing::Values(QuietPath{"Disasters", weather::disasterWarningsPath(kNoIds, kClient), "`"},
                      QuietPath{"Fires", weather::fireWarningsPath(kNoIds, kClient), "`"},
                      QuietPath{"TenDayReports",
                                weather::reportListPath(weather::ReportKind::TenDay, kClient), "`"},
                      QuietPath{"ReportText", weather::reportTextPath(u"1001", kClient), ""},
                      QuietPath{"Danger", weather::dangerReportPath(kClient), "`"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace service::testing
