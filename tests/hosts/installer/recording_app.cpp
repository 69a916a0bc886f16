// Stands in for the application in installer tests: records every start in
// "<device root>/app.log" and, when TEVALO_TEST_APP_STAYS is set, keeps
// running as the window class "晴雨匣" until it is sent WM_CLOSE (a start while
// one runs records "already running" and ends).

#include <QCoreApplication>
#include <cstdlib>
#include <fstream>

#include "platform/window/WindowClass.h"

namespace {

void record(const char* line) {
    const char* root = std::getenv("TEVALO_DEVICE_ROOT");
    std::ofstream(std::string(root ? root : ".") + "/app.log", std::ios::app) << line << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    record(argc > 1 ? "started with arguments" : "started");
    if (!std::getenv("TEVALO_TEST_APP_STAYS")) return 0;
    QCoreApplication app(argc, argv);
    platform::WindowClassServer window(u"晴雨匣", [] {
        record("closed");
        QCoreApplication::quit();
    });
    if (!window.listen()) {
        record("already running");
        return 1;
    }
    record("listening");
    return app.exec();
}
