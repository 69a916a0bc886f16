#include "tests/x11/support/DeviceLists.h"

#include <gtest/gtest.h>

#include "platform/text/Utf.h"
#include "store/SystemCityStore.h"
#include "store/Volumes.h"

namespace x11 {

std::vector<std::u16string> listCities(store::CityList list,
                                       std::initializer_list<const char16_t*> names) {
    const auto volumes = store::Volumes::forDevice();
    std::vector<std::u16string> listed;
    for (const char16_t* name : names) {
        const auto city = store::SystemCityStore(volumes).lookup(name);
        EXPECT_TRUE(city) << platform::toUtf8(name);
        if (!city) continue;
        EXPECT_TRUE(store::CityListStore(volumes, list).add(store::toUserCity(*city)));
        listed.push_back(city->cityName);
    }
    return listed;
}

}  // namespace x11
