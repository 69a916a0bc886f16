#include "platform/shell/SettingChange.h"

#include <QFile>
#include <QString>
#include <fstream>

#include "platform/device/DevicePath.h"

namespace platform {
namespace {

QString qpath(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

}  // namespace

std::filesystem::path SettingChange::file() {
    return hostPath(u"\\Windows\\wininichange");
}

bool SettingChange::broadcast(unsigned wParam) {
    const auto path = file();
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    // One short append per message; concurrent writers each add a whole line.
    std::ofstream out(path, std::ios::app | std::ios::binary);
    if (!out) return false;
    out << wParam << '\n';
    out.flush();
    return static_cast<bool>(out);
}

SettingChangeListener::SettingChangeListener(std::function<void(unsigned)> onMessage,
                                             QObject* parent)
    : QObject(parent), onMessage_(std::move(onMessage)), file_(SettingChange::file()) {
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    if (!std::filesystem::exists(file_, ec)) std::ofstream(file_, std::ios::app);
    offset_ = std::filesystem::file_size(file_, ec);
    if (ec) offset_ = 0;
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { poll(); });
    watch();
}

void SettingChangeListener::watch() {
    if (!watcher_.files().contains(qpath(file_))) watcher_.addPath(qpath(file_));
}

void SettingChangeListener::poll() {
    watch();  // editors and truncation may replace the file
    std::error_code ec;
    const auto size = std::filesystem::file_size(file_, ec);
    if (ec) return;
    if (size < offset_) offset_ = 0;  // the file was started anew
    if (size == offset_) return;
    std::ifstream in(file_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset_));
    std::string line;
    std::uintmax_t consumed = offset_;
    while (std::getline(in, line)) {
        if (in.eof()) break;  // a line still being written
        consumed += line.size() + 1;
        try {
            onMessage_(static_cast<unsigned>(std::stoul(line)));
        } catch (const std::exception&) {
            // Not a number: not one of ours.
        }
    }
    offset_ = consumed;
}

}  // namespace platform
