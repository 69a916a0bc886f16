#include "service/RequestLog.h"

#include <cstdio>

#include "platform/text/Utf.h"

namespace service {

namespace {

// Escapes to plain ASCII, so that a target holding broken UTF-8 still gives a
// valid JSON line.
std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char16_t unit : platform::fromUtf8(text)) {
        if (unit == u'"' || unit == u'\\') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit >= 0x20 && unit < 0x7F) {
            out += static_cast<char>(unit);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit));
            out += escape;
        }
    }
    return out + "\"";
}

}  // namespace

bool RequestLog::openFile(const std::string& path) {
    std::lock_guard lock(mutex_);
    file_.open(path, std::ios::app | std::ios::binary);
    return file_.is_open();
}

std::string RequestLog::jsonLine(const SeenRequest& request) {
    return "{\"time\":" + jsonString(formatStamp(request.time)) +
           ",\"method\":" + jsonString(request.method) +
           ",\"target\":" + jsonString(request.target) +
           ",\"agent\":" + jsonString(request.userAgent) +
           ",\"status\":" + std::to_string(request.status) +
           ",\"size\":" + std::to_string(request.replySize) + "}";
}

void RequestLog::record(const SeenRequest& request, bool kept) {
    std::lock_guard lock(mutex_);
    if (kept) {
        requests_.push_back(request);
        if (requests_.size() > kKept) requests_.pop_front();
    }
    if (file_.is_open()) {
        file_ << jsonLine(request) << '\n';
        file_.flush();
    }
}

std::vector<SeenRequest> RequestLog::requests() const {
    std::lock_guard lock(mutex_);
    return {requests_.begin(), requests_.end()};
}

void RequestLog::clear() {
    std::lock_guard lock(mutex_);
    requests_.clear();
}

}  // namespace service
