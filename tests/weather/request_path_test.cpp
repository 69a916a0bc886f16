#include "weather/RequestPath.h"

#include <gtest/gtest.h>

#include <vector>

using namespace weather;

TEST(RequestPaths, EveryResourceWithItsQuery) {
    const std::vector<std::u16string> three{u"101010100", u"101020100", u"101280101"};
    const std::vector<std::u16string> none;
    const std::u16string code = u"a1b2c3d";
    EXPECT_EQ(threeDayForecastPath(three, code),
              u"/spservers/kuvaro_weathers/101010100-101020100-101280101"
              u"?version=symbian2.0&code=a1b2c3d");
    EXPECT_EQ(weeklyForecastPath(std::span(three).first(1), code),
              u"/spservers/kuvaro_week_weathers/101010100?version=symbian2.0&code=a1b2c3d");
    EXPECT_EQ(reportListPath(ReportKind::TenDay, code),
              u"/spservers/report_title?type=2&version=symbian2.0&code=a1b2c3d");
    EXPECT_EQ(reportListPath(ReportKind::Monthly, code),
              u"/spservers/report_title?type=1&version=symbian2.0&code=a1b2c3d");
    EXPECT_EQ(reportListPath(ReportKind::Quarterly, code),
              u"/spservers/report_title?type=3&version=symbian2.0&code=a1b2c3d");
    EXPECT_EQ(reportTextPath(u"77", code),
              u"/spservers/find_information/77?version=symbian2.0&code=a1b2c3d");
    EXPECT_EQ(dangerReportPath(code), u"/spservers/danger_report?version=symbian2.0&code=a1b2c3d");
    const std::vector<std::u16string> ids{u"12", u"15"};
    EXPECT_EQ(disasterWarningsPath(ids, code),
              u"/spservers/find_disasters_weathers12-15?version=symbian2.0&code=a1b2c3d");
    EXPECT_EQ(fireWarningsPath(none, code),
              u"/spservers/find_fire_warning?version=symbian2.0&code=a1b2c3d");
}

TEST(RequestPaths, OnDemandCarriesTokensAndNoClientCode) {
    EXPECT_EQ(onDemandForecastPath(OnDemandCity{u"101010100", u"k3j9x0a"}),
              u"/spservers/kuvaro_dbweathers/101010100*k3j9x0a?version=symbian2.0");
    const std::vector<OnDemandCity> list{{u"1", u"aaaaaaa"}, {u"2", u"bbbbbbb"}};
    EXPECT_EQ(onDemandForecastPath(list),
              u"/spservers/kuvaro_dbweathers/1*aaaaaaa-2*bbbbbbb-?version=symbian2.0");
    EXPECT_EQ(onDemandForecastPath(std::span<const OnDemandCity>()),
              u"/spservers/kuvaro_dbweathers/?version=symbian2.0");
}
