#include "tests/support/ScreenHarness.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <cstdlib>
#include <random>

#include "platform/clock/Random.h"
#include "platform/device/DevicePath.h"
#include "store/Volumes.h"

#ifdef TEVALO_HAVE_TEST_SERVER
#include "service/TestServer.h"
#endif

namespace testing_support {
namespace fs = std::filesystem;
using platform::ui::CDialog;

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "screen-test";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = [] {
        if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance()))
            return existing;
        return new QApplication(argc, argv);
    }();
    return *app;
}

fs::path makeTempRoot() {
    std::random_device rd;
    const fs::path base = fs::temp_directory_path();
    for (int i = 0; i < 100; ++i) {
        fs::path p = base / ("tevalo-device-" + std::to_string(rd()));
        std::error_code ec;
        if (fs::create_directory(p, ec)) return p;
    }
    return base / "tevalo-device-fallback";
}

fs::path payloadFolder() {
    if (const char* bin = std::getenv("TEVALO_BINARY_DIR"); bin && *bin)
        return fs::path(bin) / "payload";
    return {};
}

constexpr platform::LocalTime kDefaultTime{2026, 12, 7, 9, 30, 0, 1};

}  // namespace

ScreenHarness::ScreenHarness() : clock_(kDefaultTime) {
    application();
    root_ = makeTempRoot();
    setenv("TEVALO_DEVICE_ROOT", root_.c_str(), 1);
    platform::setDeviceRoot(root_);
    if (const char* d = std::getenv("TEVALO_DISPLAY")) {
        hadDisplay_ = true;
        previousDisplay_ = d;
    }
    unsetenv("TEVALO_DISPLAY");
    platform::seedRandom(1);

    const fs::path install = installFolder();
    fs::create_directories(install);
    fs::create_directories(root_ / "Windows");
    const fs::path payload = payloadFolder();
    std::error_code ec;
    if (!payload.empty() && fs::is_directory(payload, ec)) {
        int volumes = 0;
        for (const char* name :
             {"SystemCityDatabase.vol", "CityDatabase.vol", "RainfallCityDatabase.vol"}) {
            if (fs::exists(payload / name, ec)) {
                fs::copy_file(payload / name, install / name, fs::copy_options::overwrite_existing,
                              ec);
                if (!ec) ++volumes;
            }
        }
        haveVolumes_ = volumes > 0;
        if (fs::is_directory(payload / "tevalo", ec))
            fs::create_directory_symlink(payload / "tevalo", install / "tevalo", ec);
    }

    context_ = std::make_unique<app::AppContext>(
        store::Volumes::forDevice(), platform::Registry::forDevice(), shell_, launcher_);
    CDialog::SetOpenObserver([this](CDialog& d) { observe(d); });
}

ScreenHarness::~ScreenHarness() {
    CDialog::SetOpenObserver({});
    server_.reset();
    context_.reset();
    if (hadDisplay_)
        setenv("TEVALO_DISPLAY", previousDisplay_.c_str(), 1);
    else
        unsetenv("TEVALO_DISPLAY");
    platform::setDeviceRoot({});
    unsetenv("TEVALO_DEVICE_ROOT");
    std::error_code ec;
    fs::remove_all(root_, ec);
}

fs::path ScreenHarness::installFolder() const {
    return root_ / "Program Files" / "tevaloWeather";
}

bool ScreenHarness::startService() {
#ifdef TEVALO_HAVE_TEST_SERVER
    server_ = std::make_unique<service::TestServer>();
    if (!server_->start()) {
        server_.reset();
        return false;
    }
    setenv("TEVALO_SERVICE_HOST", server_->hostPort().c_str(), 1);
    return true;
#else
    return false;
#endif
}

fs::path ScreenHarness::ensurePictures(std::initializer_list<const char*> names) {
    const fs::path folder = installFolder() / "tevalo";
    std::error_code ec;
    if (fs::is_symlink(folder, ec)) {
        // Make the folder our own so that tests may add and remove pictures.
        const fs::path target = fs::read_symlink(folder, ec);
        fs::remove(folder, ec);
        fs::create_directories(folder, ec);
        fs::copy(target, folder, fs::copy_options::recursive | fs::copy_options::skip_existing, ec);
    }
    fs::create_directories(folder, ec);
    for (const char* name : names) {
        const fs::path p = folder / name;
        if (fs::exists(p, ec)) continue;
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(Qt::gray);
        img.save(QString::fromStdString(p.string()), "PNG");
    }
    return folder;
}

void ScreenHarness::removePicture(const char* name) {
    ensurePictures({});
    std::error_code ec;
    fs::remove(installFolder() / "tevalo" / name, ec);
}

void ScreenHarness::setDisplay(int width, int height) {
    const std::string value = std::to_string(width) + "x" + std::to_string(height);
    setenv("TEVALO_DISPLAY", value.c_str(), 1);
}

void ScreenHarness::onOpen(std::u16string className, Handler handler) {
    handlers_[std::move(className)].push_back(std::move(handler));
}

bool ScreenHarness::wasOpened(std::u16string_view className) const {
    for (const auto& c : opened_) {
        if (c == className) return true;
    }
    return false;
}

void ScreenHarness::observe(CDialog& dialog) {
    opened_.push_back(dialog.ClassName());
    auto it = handlers_.find(dialog.ClassName());
    if (it != handlers_.end() && !it->second.empty()) {
        Handler h = std::move(it->second.front());
        it->second.pop_front();
        h(dialog);
        return;
    }
    if (dialog.IsRunningModal()) dialog.EndDialog(platform::IDCANCEL);
}

void ScreenHarness::show(CDialog& screen) {
    screen.Create();
    processEvents();
}

void ScreenHarness::key(CDialog& screen, int vk) {
    screen.KeyDown(vk);
}

void ScreenHarness::tap(CDialog& screen, int x, int y) {
    screen.PenDown(x, y);
    screen.PenUp(x, y);
}

void ScreenHarness::softKey(CDialog& screen, Key key) {
    screen.PressSoftKey(key);
}

bool ScreenHarness::command(CDialog& screen, std::u16string_view caption) {
    return screen.PressCommand(caption);
}

const platform::ui::DrawLog& ScreenHarness::log(CDialog& screen) {
    screen.PaintNow();
    return screen.drawLog();
}

void ScreenHarness::processEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

}  // namespace testing_support

// Fontconfig keeps its caches until the process ends (Qt never calls FcFini),
// which the leak checker of the sanitizer build would report on every screen test.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
