#pragma once

// Shared set-up of the forecast screen tests: the harness with the service
// stand-in, a known client code, a short pause per stored city, and helpers to
// read the store and the requests the service saw.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/forecast/CityListModel.h"
#include "app/forecast/ForecastSession.h"
#include "platform/text/Utf.h"
#include "service/TestServer.h"
#include "store/CityListStore.h"
#include "store/UpdateStampStore.h"
#include "tests/support/ScreenHarness.h"

namespace forecast_test {

inline constexpr char16_t kClientCode[] = u"abc1234";

class ForecastFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(h.hasReferenceVolumes()) << "reference volumes are not built";
        ASSERT_TRUE(h.startService());
        const auto pictures = h.ensurePictures({"tmd.png"});
        std::filesystem::create_directories(pictures / "Weather icon");
        std::filesystem::create_directories(pictures / "Wind direction icon");
        h.ensurePictures({"Weather icon/a.png", "Weather icon/Qing(BT).png",
                          "Weather icon/DuoYuen(BT).png", "Weather icon/ZengYu(BT).png",
                          "Wind direction icon/DongBeiFeng.png"});
        h.context().values().clientCode = kClientCode;
        app::ForecastSession::instance() = app::ForecastSession{};
        app::ForecastSession::instance().storePause = std::chrono::milliseconds(1);
    }

    store::CityListStore cities(app::ForecastList list) {
        return store::CityListStore(h.context().volumes(), app::storeList(list));
    }
    store::UpdateStampStore stamps(app::ForecastList list) {
        return store::UpdateStampStore(h.context().volumes(), app::storeList(list));
    }

    // Puts a city straight into a list, as an earlier run would have left it.
    void listCity(app::ForecastList list, std::u16string id, std::u16string code,
                  std::u16string name, std::u16string flag = u"0") {
        store::UserCityRecord city{
            std::move(id), std::move(code), std::move(name), u"", u"", std::move(flag), u"0"};
        ASSERT_TRUE(cities(list).add(city));
    }

    // Targets ("/path?query") of the forecast requests the service saw.
    std::vector<std::string> targets() {
        std::vector<std::string> out;
        for (const auto& r : h.server()->requests()) out.push_back(r.target);
        return out;
    }

    std::vector<std::u16string> drawnTexts(platform::ui::CDialog& screen) {
        return h.log(screen).texts();
    }

    bool drawn(platform::ui::CDialog& screen, std::u16string_view text) {
        return h.log(screen).findText(text).has_value();
    }

    testing_support::ScreenHarness h;
};

inline std::string utf8(std::u16string_view text) {
    return platform::toUtf8(text);
}

}  // namespace forecast_test
