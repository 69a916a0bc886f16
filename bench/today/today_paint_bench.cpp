// Cost of the weather item's paint: a paint that copies the memory picture (the usual
// case) and a paint that renders the band again with its three weather pictures.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>

#include "platform/clock/Clock.h"
#include "platform/device/DevicePath.h"
#include "tests/today/TodayTestDevice.h"
#include "today/TodayStore.h"

namespace {

namespace fs = std::filesystem;

// The real pictures of the payload when they have been built, else small stand-ins.
void usePayloadPictures() {
    const char* binary = std::getenv("TEVALO_BINARY_DIR");
    const fs::path pictures = fs::path(binary ? binary : ".") / "payload" / "tevalo";
    if (!fs::is_directory(pictures)) return;
    fs::copy(pictures, platform::hostPath(u"\\Program Files\\tevaloWeather\\tevalo"),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

// Fonts and pictures need the GUI side of Qt, which wants one application object.
void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "today_paint_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app =
        QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)app;
}

struct ItemOnDevice {
    today_test::TodayTestDevice device;
    platform::FixedClock clock{{2026, 12, 7, 10, 0, 0, 1}};
    std::unique_ptr<home::TodayItemHost> item;

    ItemOnDevice() {
        ensureGuiApplication();
        usePayloadPictures();
        device.addCity(u"北京", u"110000", u"1", u"1");
        device.storeStamp(u"2026-12-07 08:30:00");
        device.storeDays(u"北京", u"110000",
                         {u"ci_1*12/07*1*1*-3*5*1*2&**", u"ci_1*12/08*7*7*1*6*0*0&**",
                          u"ci_1*12/09*14*14*-8*-2*0*0&**"});
        device.addWarning(store::WarningKind::Disaster, u"11", u"暴雨蓝色预警", u"1");
        item = device.loadItem();
        today_test::paintOnce(*item);
    }
};

void BM_PaintFromMemoryPicture(benchmark::State& state) {
    ItemOnDevice on;
    for (auto _ : state) {
        on.item->clearDrawLog();
        on.item->paint();
    }
    if (today_test::count(on.item->drawLog(), TEVALO_TODAY_DRAW_RENDER) != 0) {
        state.SkipWithError("the band was rendered again");
    }
}
BENCHMARK(BM_PaintFromMemoryPicture)->Unit(benchmark::kMillisecond);

void BM_PaintWithRerender(benchmark::State& state) {
    ItemOnDevice on;
    int width = 240;
    for (auto _ : state) {
        width = width == 240 ? 241 : 240;  // a width change forces the rendering
        on.item->setWidth(width);
        on.item->clearDrawLog();
        on.item->paint();
    }
    if (today_test::count(on.item->drawLog(), TEVALO_TODAY_DRAW_RENDER) != 1) {
        state.SkipWithError("the band was not rendered");
    }
}
BENCHMARK(BM_PaintWithRerender)->Unit(benchmark::kMillisecond);

// The part of every paint that reads the shared volume (stamp, desktop city, update
// time, alert), so that the drawing's own share shows as the difference.
void BM_PaintStoreReads(benchmark::State& state) {
    ItemOnDevice on;
    const today::TodayStore store;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.updateStamp());
        benchmark::DoNotOptimize(store.desktopCity());
        benchmark::DoNotOptimize(store.updateTimeSetting());
        benchmark::DoNotOptimize(store.alertTitle());
    }
}
BENCHMARK(BM_PaintStoreReads)->Unit(benchmark::kMillisecond);

}  // namespace
