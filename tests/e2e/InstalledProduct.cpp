#include "tests/e2e/InstalledProduct.h"

#include <fstream>
#include <sstream>

#include "platform/clock/Clock.h"
#include "platform/registry/Registry.h"
#include "platform/text/Utf.h"
#include "platform/ui/Display.h"
#include "store/CityListStore.h"
#include "store/SettingStore.h"
#include "store/Volumes.h"
#include "weather/CodeTables.h"
#include "weather/ReplySyntax.h"

namespace e2e {

void InstalledProduct::SetUp() {
    service_ = std::make_unique<ServiceProcess>(device_.root() / "service.log", kServiceClock);
    ASSERT_TRUE(service_->start(device_.environment())) << service_->output();
    device_.setServiceHost(service_->hostPort());

    const ProgramRun install = device_.installer("install");
    ASSERT_EQ(install.exitCode, 0) << install.output;
    ASSERT_NE(install.output.find("installed"), std::string::npos) << install.output;
}

void InstalledProduct::TearDown() {
    if (HasFailure() && service_) std::fprintf(stderr, "service log:\n%s\n", serviceLog().c_str());
}

std::u16string InstalledProduct::applicationStarted() {
    std::u16string code;
    waitUntil(std::chrono::seconds(20), [&] {
        if (device_.applicationProcesses().empty()) return false;
        code = setting(u"21").value_or(u"");
        return !code.empty();
    });
    return code;
}

ProgramRun InstalledProduct::firstRun() {
    return device_.application({"--tour", (device_.root() / "tour").string()}, kFirstRunClock,
                               std::chrono::seconds(50));
}

std::optional<store::UserCityRecord> InstalledProduct::threeDayCity(
    std::u16string_view name) const {
    return store::CityListStore(store::Volumes::forDevice(), store::CityList::ThreeDay)
        .findByName(name);
}

std::optional<store::CityUpdateRecord> InstalledProduct::forecast(std::u16string_view name) const {
    return store::UpdateStampStore(store::Volumes::forDevice(), store::CityList::ThreeDay)
        .findByName(name);
}

std::optional<std::u16string> InstalledProduct::setting(std::u16string_view id) const {
    const auto record = store::SettingStore(store::Volumes::forDevice()).findById(id);
    if (!record) return std::nullopt;
    // The client code is the value; the other settings keep their text as the long value.
    return id == u"21" ? record->value : record->longValue;
}

std::string InstalledProduct::serviceLog() const {
    std::string log;
    for (const auto& request : service_->requests()) {
        log += request.method + " " + request.target + " " + std::to_string(request.status) + "\n";
    }
    return log;
}

namespace {

platform::LocalTime quietTime() {
    return *platform::parseIsoLocalTime(kQuietClock);
}

bool endsWith(std::u16string_view text, std::u16string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

HomeView::HomeView() {
    // The item's schedule runs on every refresh; a quiet time keeps it from fetching.
    platform::setClockForTesting([] { return quietTime(); });
    const auto display = platform::ui::deviceDisplay();
    screen_ = std::make_unique<home::HomeScreen>(platform::Registry::forDevice());
    screen_->resize(display.width, display.height - display.topMargin);
    screen_->reloadItems();
}

HomeView::~HomeView() {
    screen_.reset();
    platform::setClockForTesting({});
}

QImage HomeView::grab() {
    return screen_->grab().toImage();
}

std::vector<std::u16string> HomeView::paintItem() {
    grab();
    std::vector<std::u16string> drawn;
    if (screen_->items().empty()) return drawn;
    for (const auto& draw : screen_->items().front()->drawLog()) {
        if (draw.kind == TEVALO_TODAY_DRAW_TEXT || draw.kind == TEVALO_TODAY_DRAW_PICTURE) {
            drawn.push_back(draw.text);
        }
    }
    return drawn;
}

ShownDay shownDay(std::u16string_view dayRecord) {
    const auto fields = weather::splitWithTrailing(dayRecord.substr(0, dayRecord.find(u'^')),
                                                   weather::kFieldSeparator);
    ShownDay day;
    if (fields.size() >= 2) day.date = fields[1];
    if (fields.size() >= 3) day.picture = weather::weatherKindPicture(platform::toInt(fields[2]));
    day.temperature = fields.size() >= 6 ? fields[4] + u"～" + fields[5] : u"未知";
    return day;
}

bool contains(const std::vector<std::u16string>& drawn, std::u16string_view text) {
    for (const auto& item : drawn) {
        if (item == text) return true;
    }
    return false;
}

bool containsPicture(const std::vector<std::u16string>& drawn, std::u16string_view name) {
    for (const auto& item : drawn) {
        if (!name.empty() && endsWith(item, name)) return true;
    }
    return false;
}

std::string joined(const std::vector<std::u16string>& drawn) {
    std::string text;
    for (const auto& item : drawn) text += platform::toUtf8(item) + " | ";
    return text;
}

}  // namespace e2e
