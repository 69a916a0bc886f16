// Timings of the store operations the screens and the home-screen item run,
// each a full mount-to-unmount, against the shipped volumes (copied to a
// scratch folder). BM_FindByNameBesideTheFloor times a find by name and the
// bare SQLite open-select-close floor in turns within one loop, so that both
// meet the same machine load, and reports their ratio.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/text/Utf.h"
#include "store/CityListStore.h"
#include "store/SettingStore.h"
#include "store/SystemCityStore.h"
#include "store/UpdateStampStore.h"
#include "store/WarningStore.h"
#include "today/TodayStore.h"

namespace {

namespace fs = std::filesystem;

// The build's payload folder, next to bench/store/ in the build tree.
fs::path payloadFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path().parent_path() / "payload";
}

fs::path scratchFolder() {
    return fs::temp_directory_path() / ("store_bench_" + std::to_string(getpid()));
}

const store::Volumes& volumes() {
    static const store::Volumes volumes = [] {
        const fs::path folder = scratchFolder();
        fs::remove_all(folder);
        std::atexit([] { fs::remove_all(scratchFolder()); });
        fs::create_directories(folder);
        const auto v = store::Volumes::inFolder(folder);
        fs::copy_file(payloadFolder() / "SystemCityDatabase.vol", v.systemCityDatabase);
        fs::copy_file(payloadFolder() / "CityDatabase.vol", v.cityDatabase);
        return v;
    }();
    return volumes;
}

void BM_FindCityByName(benchmark::State& state) {
    const store::SystemCityStore cities(volumes());
    for (auto _ : state) {
        auto city = cities.findByName(u"成都");
        if (!city) state.SkipWithError("成都 not found");
        benchmark::DoNotOptimize(city);
    }
}
BENCHMARK(BM_FindCityByName)->Unit(benchmark::kMicrosecond);

void BM_LookupByInitials(benchmark::State& state) {
    const store::SystemCityStore cities(volumes());
    for (auto _ : state) {
        auto city = cities.lookup(u"cd");
        if (!city) state.SkipWithError("cd not found");
        benchmark::DoNotOptimize(city);
    }
}
BENCHMARK(BM_LookupByInitials)->Unit(benchmark::kMicrosecond);

void BM_ListAllCities(benchmark::State& state) {
    const store::SystemCityStore cities(volumes());
    for (auto _ : state) {
        auto all = cities.listAll();
        if (!all) state.SkipWithError("cannot list");
        state.counters["cities"] = static_cast<double>(all ? all->size() : 0);
    }
}
BENCHMARK(BM_ListAllCities)->Unit(benchmark::kMillisecond);

std::u16string weekDay(int city, int day) {
    return platform::fromUtf8("ci_1*08/" + std::to_string(18 + day) + "*1*" +
                              std::to_string(city % 10) + "*28*32*1*2&晴朗舒适*夹衣*适宜*" +
                              std::to_string(city * 10 + day));
}

// The floor: what SQLite itself needs to open the file, find one row and close.
bool bareSqliteFind(const std::string& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT p1, p2, p3, p4 FROM SystemCityTable WHERE p3 = ?", -1,
                       &statement, nullptr);
    sqlite3_bind_text(statement, 1, "成都", -1, SQLITE_STATIC);
    const bool found = sqlite3_step(statement) == SQLITE_ROW;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return found;
}

void BM_BareSqliteFindFloor(benchmark::State& state) {
    const std::string file = volumes().systemCityDatabase.string();
    for (auto _ : state) {
        if (!bareSqliteFind(file)) state.SkipWithError("no row");
    }
}
BENCHMARK(BM_BareSqliteFindFloor)->Unit(benchmark::kMicrosecond);

void BM_FindByNameBesideTheFloor(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const std::string file = volumes().systemCityDatabase.string();
    const store::SystemCityStore cities(volumes());
    Clock::duration floor{}, find{};
    for (auto _ : state) {
        const auto start = Clock::now();
        if (!bareSqliteFind(file)) state.SkipWithError("no row");
        const auto between = Clock::now();
        if (!cities.findByName(u"成都")) state.SkipWithError("成都 not found");
        find += Clock::now() - between;
        floor += between - start;
    }
    const auto micros = [&](Clock::duration d) {
        return std::chrono::duration<double, std::micro>(d).count() /
               static_cast<double>(state.iterations());
    };
    state.counters["floor_us"] = micros(floor);
    state.counters["find_us"] = micros(find);
    state.counters["find_per_floor"] = micros(find) / micros(floor);
}
BENCHMARK(BM_FindByNameBesideTheFloor)->Unit(benchmark::kMicrosecond);

// The city volume as the home-screen item finds it: a desktop city with its
// forecast, the update time, the client code and a warning for the home screen.
const store::Volumes& itemVolumes() {
    static const bool filled = [] {
        const auto& v = volumes();
        using store::CityList;
        store::CityListStore(v, CityList::ThreeDay)
            .add({u"1", u"101270101", u"成都", {}, {}, u"1", u"1"});
        store::CityUpdateRecord stamp{u"65535", store::kStampCityName, {u"2026-12-07 08:30:00"}};
        store::CityUpdateRecord city{u"101270101", u"成都", {weekDay(1, 0), weekDay(1, 1)}};
        const store::UpdateStampStore stamps(v, CityList::ThreeDay);
        const store::SettingStore settings(v);
        return stamps.addOrReplace(stamp) && stamps.addOrReplace(city) &&
               settings.store({store::kUpdateTimesSettingId,
                               store::kUpdateTimesSettingName,
                               u"1",
                               {},
                               u"8:30:00"}) &&
               settings.clientCode() &&
               store::WarningStore(v, store::WarningKind::Disaster)
                   .add({u"11", u"暴雨蓝色预警", u"text", u"2026-12-07", u"1"});
    }();
    if (!filled) std::abort();
    return volumes();
}

// What every paint of the home-screen item reads, in one shared mount.
void BM_TodayPaintValuesInOneMount(benchmark::State& state) {
    const today::TodayStore item(itemVolumes());
    for (auto _ : state) {
        const auto values = item.paintValues();
        if (!values.desktopCity || !values.alertTitle) state.SkipWithError("values missing");
        benchmark::DoNotOptimize(values);
    }
}
BENCHMARK(BM_TodayPaintValuesInOneMount)->Unit(benchmark::kMicrosecond);

// The same values read one store operation (one mount) each.
void BM_TodayPaintValuesOneMountEach(benchmark::State& state) {
    const today::TodayStore item(itemVolumes());
    for (auto _ : state) {
        benchmark::DoNotOptimize(item.updateStamp());
        const auto city = item.desktopCity();
        if (!city) state.SkipWithError("no desktop city");
        benchmark::DoNotOptimize(item.cityDays(*city));
        benchmark::DoNotOptimize(item.updateTimeSetting());
        benchmark::DoNotOptimize(item.alertTitle());
    }
}
BENCHMARK(BM_TodayPaintValuesOneMountEach)->Unit(benchmark::kMicrosecond);

void BM_AddOrReplaceForecast(benchmark::State& state) {
    const store::UpdateStampStore stamps(volumes(), store::CityList::ThreeDay);
    int i = 0;
    for (auto _ : state) {
        store::CityUpdateRecord record{u"101270101", u"成都", {}};
        for (int d = 0; d < 3; ++d) record.days[d] = weekDay(i, d);
        if (!stamps.addOrReplace(record)) state.SkipWithError("cannot store");
        ++i;
    }
}
BENCHMARK(BM_AddOrReplaceForecast)->Unit(benchmark::kMicrosecond);

void BM_StoreNineCityWeeklyReply(benchmark::State& state) {
    std::vector<store::UserCityRecord> cities;
    std::u16string reply = u"2009-07-06 15:31:51`";
    for (int c = 0; c < 9; ++c) {
        cities.push_back({platform::fromInt(c),
                          platform::fromInt(101000000 + c),
                          u"城市" + platform::fromInt(c),
                          {},
                          {},
                          u"0",
                          u"0"});
        for (int d = 0; d < 7; ++d) reply += (d ? u"|" : u"") + weekDay(c, d);
        reply += u"$";
    }
    const store::UpdateStampStore stamps(volumes(), store::CityList::Weekly);
    for (auto _ : state) {
        if (!stamps.storeReply(reply, cities)) state.SkipWithError("cannot store");
    }
}
BENCHMARK(BM_StoreNineCityWeeklyReply)->Unit(benchmark::kMillisecond);

}  // namespace
