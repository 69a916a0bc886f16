// Timings of the store operations the screens and the home-screen item run,
// each a full mount-to-unmount, against the shipped city volume (copied to a
// scratch folder) and a fresh city volume.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/text/Utf.h"
#include "store/CityListStore.h"
#include "store/SystemCityStore.h"
#include "store/UpdateStampStore.h"

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

// The floor: what SQLite itself needs to open the file, find one row and close.
void BM_BareSqliteFindFloor(benchmark::State& state) {
    const std::string file = volumes().systemCityDatabase.string();
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "SELECT p1, p2, p3, p4 FROM SystemCityTable WHERE p3 = ?", -1,
                           &statement, nullptr);
        sqlite3_bind_text(statement, 1, "成都", -1, SQLITE_STATIC);
        if (sqlite3_step(statement) != SQLITE_ROW) state.SkipWithError("no row");
        sqlite3_finalize(statement);
        sqlite3_close(db);
    }
}
BENCHMARK(BM_BareSqliteFindFloor)->Unit(benchmark::kMicrosecond);

std::u16string weekDay(int city, int day) {
    return platform::fromUtf8("ci_1*08/" + std::to_string(18 + day) + "*1*" +
                              std::to_string(city % 10) + "*28*32*1*2&晴朗舒适*夹衣*适宜*" +
                              std::to_string(city * 10 + day));
}

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
