// The unchanged application against the service in live mode: the three-day
// list stores and shows the upstream's forecast, mapped.

#include <algorithm>

#include "UpstreamStub.h"
#include "app/forecast/CtevaloTeVoWeather.h"
#include "service/ForecastService.h"
#include "service/TestServer.h"
#include "tests/app/forecast/ForecastFixture.h"

using app::CtevaloTeVoWeather;
using app::ForecastList;
using forecast_test::utf8;

namespace {

class LiveThreeDayList : public forecast_test::ForecastFixture {
protected:
    void SetUp() override {
        ForecastFixture::SetUp();
        if (HasFatalFailure()) return;
        upstream.answerRecorded("nine_places.json");
        // Before the first request: the service switches to the live source.
        service::LiveOptions live;
        live.upstream = upstream.url();
        h.server()->service().goLive(std::move(live));
        h.server()->setTime({2026, 12, 8, 10, 0, 0});
    }

    service::testing::UpstreamStub upstream;
};

TEST_F(LiveThreeDayList, StoresAndShowsTheUpstreamsForecast) {
    listCity(ForecastList::ThreeDay, u"100005", u"510100", u"成都", u"1");
    listCity(ForecastList::ThreeDay, u"100001", u"110000", u"北京");
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"天气更新"));
    EXPECT_EQ(h.messages().count(), 0u);
    EXPECT_EQ(upstream.requestCount(), 1u);

    const auto chengdu = stamps(ForecastList::ThreeDay).findByName(u"成都");
    ASSERT_TRUE(chengdu);
    EXPECT_EQ(chengdu->days[0],
              u"ci_1*12/08*1*7*5*13*1*1&偏冷，注意添衣*夹克、毛衣等春秋装*较适宜晨练*2.3");
    EXPECT_EQ(chengdu->days[2], u"ci_1*12/10*4*5*15*20*8*5&**");
    const auto beijing = stamps(ForecastList::ThreeDay).findByName(u"北京");
    ASSERT_TRUE(beijing);
    EXPECT_TRUE(beijing->days[0].starts_with(u"ci_2*12/08*")) << utf8(beijing->days[0]);
    // The list's row of 成都 shows the upstream's weather and temperatures.
    const auto& rows = list.model().rows();
    const auto row =
        std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r.cityName == u"成都"; });
    ASSERT_NE(row, rows.end());
    EXPECT_NE((row->firstLine + row->secondLine).find(u"5～13"), std::u16string::npos)
        << utf8(row->firstLine) << " | " << utf8(row->secondLine);
    EXPECT_EQ(row->iconFile.substr(row->iconFile.rfind(u'\\') + 1), u"XiaoYu.png")
        << utf8(row->iconFile);
}

}  // namespace
