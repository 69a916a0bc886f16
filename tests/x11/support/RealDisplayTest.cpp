#include "tests/x11/support/RealDisplayTest.h"

#include <fstream>
#include <thread>

#include "store/SettingStore.h"
#include "store/Volumes.h"
#include "tests/x11/support/ScreenGrab.h"

namespace x11 {
namespace fs = std::filesystem;

std::string windowManagerName(const ::testing::TestParamInfo<WindowManager>& info) {
    return info.param == WindowManager::Openbox ? "Openbox" : "NoWindowManager";
}

void RealDisplayTest::SetUp() {
    e2e::InstalledProduct::SetUp();
    if (HasFatalFailure()) return;
    // The setup hook starts the application once, off-screen; the tests start their own.
    device_.stopApplication();
    markSetupDone();
    writeOpener();
    startDisplay();
}

void RealDisplayTest::startDisplay() {
    xvfb_ = std::make_unique<XvfbServer>(device_.outputFile("xvfb"));
    ASSERT_TRUE(xvfb_->start(screenSize().width(), screenSize().height())) << xvfb_->output();
    connection_ = std::make_unique<DisplayConnection>(xvfb_->name());
    ASSERT_TRUE(connection_->isOpen()) << "cannot open display " << xvfb_->name();
    windows_ = std::make_unique<WindowQuery>(*connection_);
    input_ = std::make_unique<UserInput>(*connection_);
    ASSERT_TRUE(input_->available()) << "the display offers no XTest";
    if (GetParam() != WindowManager::Openbox) return;
    windowManager_ = std::make_unique<e2e::ChildProgram>(
        QStringLiteral("openbox"),
        QStringList{QStringLiteral("--sm-disable"), QStringLiteral("--config-file"),
                    QString::fromStdString(writeOpenboxConfig().string())},
        displayEnvironment(), device_.outputFile("openbox"));
    ASSERT_TRUE(windowManager_->start());
    ASSERT_TRUE(waitFor([&] { return connection_->windowManagerRunning(); }))
        << windowManager_->output();
}

fs::path RealDisplayTest::writeOpenboxConfig() const {
    // Openbox's defaults with an empty menu: the packaged configuration names a menu
    // file only the "menu" package makes, and says so in a window of its own.
    const fs::path folder = device_.root() / "openbox";
    fs::create_directories(folder);
    std::ofstream(folder / "menu.xml")
        << "<openbox_menu xmlns=\"http://openbox.org/3.4/menu\">"
           "<menu id=\"root-menu\" label=\"Openbox\"/></openbox_menu>\n";
    std::ofstream(folder / "rc.xml")
        << "<?xml version=\"1.0\"?>\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\">"
           "<menu><file>"
        << (folder / "menu.xml").string() << "</file></menu></openbox_config>\n";
    return folder / "rc.xml";
}

void RealDisplayTest::markSetupDone() {
    store::SettingRecord done;
    done.settingId = store::kTodayCitySettingId;
    done.settingName = store::kTodayCitySettingName;
    done.setFlag = u"1";
    done.longValue = u"已经设置了";
    ASSERT_TRUE(store::SettingStore(store::Volumes::forDevice()).store(done));
}

void RealDisplayTest::writeOpener() {
    const fs::path script = device_.root() / "opener.sh";
    std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$*\" >> '"
                          << (device_.root() / "opener.log").string() << "'\n";
    fs::permissions(script, fs::perms::owner_all);
}

void RealDisplayTest::TearDown() {
    if (HasFailure() && windows_) {
        std::fprintf(stderr, "windows: %s\napplication:\n%s\n", windows_->describe().c_str(),
                     applicationOutput().c_str());
    }
    // Programs first, then the window manager, then the server they talk to.
    home_.reset();
    application_.reset();
    device_.stopApplication();
    windowManager_.reset();
    windows_.reset();
    input_.reset();
    connection_.reset();
    xvfb_.reset();
    e2e::InstalledProduct::TearDown();
}

QProcessEnvironment RealDisplayTest::displayEnvironment(const std::string& clock) const {
    QProcessEnvironment environment = device_.environment(clock);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    if (xvfb_) environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(xvfb_->name()));
    environment.insert(QStringLiteral("TEVALO_OPENER"),
                       QString::fromStdString((device_.root() / "opener.sh").string()));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (scale_) environment.insert(QStringLiteral("TEVALO_SCALE"), QString::number(*scale_));
    return environment;
}

bool RealDisplayTest::startApplication() {
    application_ = std::make_unique<e2e::ChildProgram>(
        QString::fromStdString(device_.installedProgram().string()), QStringList{},
        displayEnvironment(), device_.outputFile("tevaloWeather"));
    if (!application_->start()) return false;
    mainMenuSelection_ = 0;
    // The logo shows first; any key ends it, as a person impatient to start does.
    if (!waitForTop(kLogoTitle) && !waitForTop(kMainMenuTitle)) return false;
    if (isTopWithKeyboard(kLogoTitle)) input_->key("Return");
    return waitForTop(kMainMenuTitle);
}

void RealDisplayTest::openMainMenuItem(int index) {
    // Three columns on the 240-pixel device display; the selection stays where the
    // last opening left it.
    const int from = mainMenuSelection_;
    for (int row = from / 3; row < index / 3; ++row) input_->key("Down");
    for (int row = from / 3; row > index / 3; --row) input_->key("Up");
    for (int column = from % 3; column < index % 3; ++column) input_->key("Right");
    for (int column = from % 3; column > index % 3; --column) input_->key("Left");
    input_->key("Return");
    mainMenuSelection_ = index;
}

bool RealDisplayTest::startHome() {
    home_ = std::make_unique<e2e::ChildProgram>(QStringLiteral(TEVALO_HOME_PROGRAM), QStringList{},
                                                displayEnvironment(),
                                                device_.outputFile("tevalo-home"));
    return home_->start();
}

bool RealDisplayTest::waitFor(const std::function<bool()>& done, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

bool RealDisplayTest::isTopWithKeyboard(const std::string& title) const {
    const auto top = windows_->top();
    const auto focus = windows_->focused();
    return top && focus && top->title == title && focus->id == top->id;
}

bool RealDisplayTest::waitForTop(const std::string& title, std::chrono::milliseconds wait) {
    return waitFor([&] { return isTopWithKeyboard(title); }, wait);
}

bool RealDisplayTest::isScreenOnTopWithKeyboard(const std::string& screenClass) const {
    const auto top = windows_->top();
    const auto focus = windows_->focused();
    return top && focus && top->role == screenClass && focus->id == top->id;
}

bool RealDisplayTest::waitForScreen(const std::string& screenClass,
                                    std::chrono::milliseconds wait) {
    return waitFor([&] { return isScreenOnTopWithKeyboard(screenClass); }, wait);
}

std::optional<std::string> RealDisplayTest::messageOnTop() const {
    static const std::string kPrefix = "message:";
    const auto top = windows_->top();
    const auto focus = windows_->focused();
    if (!top || !focus || focus->id != top->id || top->role.rfind(kPrefix, 0) != 0) {
        return std::nullopt;
    }
    return QByteArray::fromPercentEncoding(
               QByteArray::fromStdString(top->role.substr(kPrefix.size())))
        .toStdString();
}

QImage RealDisplayTest::grab(const QRect& area) const {
    return grabScreen(*connection_, area);
}

std::vector<std::string> RealDisplayTest::openerCalls() const {
    std::vector<std::string> calls;
    std::ifstream log(device_.root() / "opener.log");
    for (std::string line; std::getline(log, line);) calls.push_back(line);
    return calls;
}

std::string RealDisplayTest::applicationOutput() const {
    return application_ ? application_->output() : std::string();
}

}  // namespace x11
