#include "tests/x11/support/XvfbServer.h"

#include <sstream>

#include "tests/e2e/InstalledDevice.h"

namespace x11 {
namespace {

// The display number Xvfb writes to its standard output; warnings go to the same file,
// so the number is the first line made of digits only.
std::string displayNumber(const std::string& output) {
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.find_first_not_of("0123456789") == std::string::npos) {
            return line;
        }
    }
    return {};
}

}  // namespace

XvfbServer::XvfbServer(std::filesystem::path outputFile) : outputFile_(std::move(outputFile)) {}

bool XvfbServer::start(int width, int height) {
    const QString screen = QStringLiteral("%1x%2x24").arg(width).arg(height);
    server_ = std::make_unique<e2e::ChildProgram>(
        QStringLiteral("Xvfb"),
        QStringList{QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), screen, QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                    QStringLiteral("-noreset")},
        QProcessEnvironment::systemEnvironment(), outputFile_);
    if (!server_->start()) return false;
    std::string number;
    e2e::waitUntil(std::chrono::seconds(20), [&] {
        number = displayNumber(server_->output());
        return !number.empty() || !server_->running();
    });
    if (number.empty()) return false;
    name_ = ":" + number;
    return true;
}

}  // namespace x11
