#pragma once

// Keeps the latest requests the service answered and, when given a file, appends
// one JSON line per request to it: time, method, target, status and reply size.
// Thread-safe.

#include <deque>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include "service/SeenRequest.h"

namespace service {

class RequestLog final {
public:
    static constexpr size_t kKept = 10000;

    // False when the file cannot be opened for appending.
    bool openFile(const std::string& path);

    // Requests not `kept` (the admin ones) go to the file only.
    void record(const SeenRequest& request, bool kept = true);

    std::vector<SeenRequest> requests() const;
    void clear();

    // The JSON line written for one request (without the line feed).
    static std::string jsonLine(const SeenRequest& request);

private:
    mutable std::mutex mutex_;
    std::deque<SeenRequest> requests_;
    std::ofstream file_;
};

}  // namespace service
