#pragma once

// GET requests to the live forecast upstream over libcurl (http or https),
// with bounded connect and total time-outs. Thread-safe: each call has its own
// handle. Counts the requests it sends.

#include <atomic>
#include <chrono>
#include <string>

namespace service {

struct UpstreamTimeouts {
    std::chrono::milliseconds connect{5000};
    std::chrono::milliseconds total{15000};
};

struct UpstreamResult {
    long status = 0;    // HTTP status; 0 when no response arrived
    std::string body;   // the response body as received
    std::string error;  // transport failure (refused, timed out, too large); empty otherwise

    bool ok() const { return error.empty() && status == 200; }
    // One line for the service's error output.
    std::string describe() const;
};

class UpstreamClient final {
public:
    static constexpr size_t kMaxReplyBytes = 16 * 1024 * 1024;

    // `baseUrl` is scheme, host and optional port ("https://api.open-meteo.com",
    // "http://127.0.0.1:8123"); a trailing "/" is dropped.
    explicit UpstreamClient(std::string baseUrl, UpstreamTimeouts timeouts = {});
    UpstreamClient(const UpstreamClient&) = delete;
    UpstreamClient& operator=(const UpstreamClient&) = delete;

    // `target` is the path with its query, beginning with "/".
    UpstreamResult get(const std::string& target);

    const std::string& baseUrl() const { return baseUrl_; }
    long long requestsSent() const { return requests_.load(); }

private:
    std::string baseUrl_;
    UpstreamTimeouts timeouts_;
    std::atomic<long long> requests_{0};
};

}  // namespace service
