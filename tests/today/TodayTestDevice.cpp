#include "tests/today/TodayTestDevice.h"

#include <gtest/gtest.h>

#include <QImage>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "platform/device/DevicePath.h"
#include "platform/registry/Registry.h"
#include "platform/text/Utf.h"
#include "store/CityListStore.h"
#include "store/SettingStore.h"
#include "store/UpdateStampStore.h"
#include "weather/CodeTables.h"

namespace today_test {
namespace {

namespace fs = std::filesystem;

void writePng(const fs::path& file, QColor colour) {
    fs::create_directories(file.parent_path());
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(colour);
    image.save(QString::fromStdString(file.string()), "PNG");
}

bool endsWith(std::u16string_view text, std::u16string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

TodayTestDevice::TodayTestDevice() {
    char pattern[] = "/tmp/tevalo-today-XXXXXX";
    root_ = mkdtemp(pattern);
    setenv("TEVALO_DEVICE_ROOT", root_.c_str(), 1);
    fs::create_directories(platform::hostPath(u"\\Program Files\\tevaloWeather"));
    fs::create_directories(platform::hostPath(u"\\Windows"));
    startLog_ = root_ / "application-starts";
    writePictures();
}

TodayTestDevice::~TodayTestDevice() {
    unsetenv("TEVALO_DEVICE_ROOT");
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void TodayTestDevice::writePictures() const {
    for (int code = 0; code < 32; ++code) {
        const auto name = weather::weatherKindPicture(code);
        if (name.empty()) continue;
        writePng(platform::hostPath(std::u16string(weather::kWeatherPictureFolder) +
                                    std::u16string(name)),
                 QColor(80, 140, 220));
    }
    const std::u16string folder = u"\\Program Files\\tevaloWeather\\tevalo\\";
    writePng(platform::hostPath(folder + u"ZMYXX.png"), Qt::red);
    writePng(platform::hostPath(folder + u"ZMWXX.png"), Qt::gray);
}

store::Volumes TodayTestDevice::volumes() const {
    return store::Volumes::forDevice();
}

void TodayTestDevice::addCity(const std::u16string& name, const std::u16string& code,
                              const std::u16string& defaultFlag, const std::u16string& todayFlag) {
    store::UserCityRecord city;
    city.cityId = code;
    city.cityCode = code;
    city.cityName = name;
    city.defaultFlag = defaultFlag;
    city.todayFlag = todayFlag;
    EXPECT_TRUE(store::CityListStore(volumes(), store::CityList::ThreeDay).add(city));
    // The application's list screen reads the stamps of its cities, which makes the
    // stamp table the item writes into.
    EXPECT_TRUE(store::UpdateStampStore(volumes(), store::CityList::ThreeDay).list());
}

void TodayTestDevice::setTodayFlag(const std::u16string& name, const std::u16string& flag) {
    const store::CityListStore list(volumes(), store::CityList::ThreeDay);
    auto city = list.findByName(name);
    if (!city) return;
    city->todayFlag = flag;
    EXPECT_TRUE(list.updateByName(name, *city));
}

void TodayTestDevice::storeStamp(const std::u16string& stamp) {
    store::CityUpdateRecord record;
    record.cityId = u"65535";
    record.cityName = u"更新时间";
    record.days[0] = stamp;
    EXPECT_TRUE(store::UpdateStampStore(volumes(), store::CityList::ThreeDay).addOrReplace(record));
}

void TodayTestDevice::storeDays(const std::u16string& name, const std::u16string& code,
                                const std::vector<std::u16string>& days) {
    store::CityUpdateRecord record;
    record.cityId = code;
    record.cityName = name;
    for (std::size_t i = 0; i < days.size() && i < record.days.size(); ++i) {
        record.days[i] = days[i];
    }
    EXPECT_TRUE(store::UpdateStampStore(volumes(), store::CityList::ThreeDay).addOrReplace(record));
}

void TodayTestDevice::setUpdateTime(const std::u16string& text) {
    EXPECT_TRUE(store::SettingStore(volumes()).store({u"6", u"自动更新时间", u"1", u"", text}));
}

void TodayTestDevice::setClientCode(const std::u16string& code) {
    EXPECT_TRUE(store::SettingStore(volumes()).store({u"21", u"3天7天气鉴权码", u"", code, u""}));
}

void TodayTestDevice::addWarning(store::WarningKind kind, const std::u16string& id,
                                 const std::u16string& title, const std::u16string& todayFlag) {
    EXPECT_TRUE(store::WarningStore(volumes(), kind)
                    .add({id, title, u"text", u"2026-12-07 09:00:00", todayFlag}));
}

fs::path TodayTestDevice::installApplicationStandIn(bool registerPath) {
    const std::u16string devicePath = u"\\Program Files\\tevaloWeather\\tevaloWeather.exe";
    auto program = platform::hostPath(devicePath);
    program.replace_extension();
    {
        std::ofstream script(program);
        script << "#!/bin/sh\necho started >> '" << startLog_.string() << "'\n";
    }
    fs::permissions(program, fs::perms::owner_all, fs::perm_options::add);
    if (registerPath) {
        EXPECT_TRUE(platform::Registry::forDevice().setString(platform::RegistryHive::CurrentUser,
                                                              u"Software\\tevaloWeather",
                                                              u"AppPath", devicePath));
    }
    return program;
}

int TodayTestDevice::applicationStarts(int ms) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        int lines = 0;
        std::ifstream log(startLog_);
        for (std::string line; std::getline(log, line);) ++lines;
        if (lines > 0 || std::chrono::steady_clock::now() >= deadline) return lines;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string TodayTestDevice::libraryFile() {
    const char* binary = std::getenv("TEVALO_BINARY_DIR");
    return std::string(binary ? binary : ".") + "/payload/libtevaloWeatherToDay.so";
}

std::unique_ptr<home::TodayItemHost> TodayTestDevice::loadItem(int width) const {
    home::TodayItemEntry entry;
    entry.name = u"\"米多晴雨匣\"";
    entry.library = libraryFile();
    entry.type = 4;
    entry.order = 1;
    entry.selectability = 2;
    std::string error;
    return home::TodayItemHost::load(entry, width, error);
}

std::vector<std::u16string> texts(const std::vector<home::TodayDrawRecord>& log) {
    std::vector<std::u16string> result;
    for (const auto& draw : log) {
        if (draw.kind == TEVALO_TODAY_DRAW_TEXT) result.push_back(draw.text);
    }
    return result;
}

const home::TodayDrawRecord* findText(const std::vector<home::TodayDrawRecord>& log,
                                      std::u16string_view text) {
    for (const auto& draw : log) {
        if (draw.kind == TEVALO_TODAY_DRAW_TEXT && draw.text == text) return &draw;
    }
    return nullptr;
}

const home::TodayDrawRecord* findPicture(const std::vector<home::TodayDrawRecord>& log,
                                         std::u16string_view fileName) {
    for (const auto& draw : log) {
        if (draw.kind == TEVALO_TODAY_DRAW_PICTURE && endsWith(draw.text, fileName)) return &draw;
    }
    return nullptr;
}

int count(const std::vector<home::TodayDrawRecord>& log, int kind) {
    int n = 0;
    for (const auto& draw : log) n += draw.kind == kind ? 1 : 0;
    return n;
}

std::vector<home::TodayDrawRecord> lastRendering(const std::vector<home::TodayDrawRecord>& log) {
    for (auto it = log.rbegin(); it != log.rend(); ++it) {
        if (it->kind == TEVALO_TODAY_DRAW_RENDER) return {std::prev(it.base()), log.end()};
    }
    return {};
}

void paintOnce(home::TodayItemHost& item) {
    item.queryRefresh();
    item.clearDrawLog();
    item.paint();
}

}  // namespace today_test
