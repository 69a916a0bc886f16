#pragma once

// One HTTP exchange with the service host over libcurl. The request is sent
// the first time its status or its body is asked for: status() waits for the
// response headers only, read() then reads the body up to a byte limit and
// leaves the rest of the reply unread. A redirect is followed only to the same
// host and port, so the request's query never goes to another server. Every
// exchange has a connect time-out and a total time-out; running out of time
// fails the exchange. Safe to use from several threads, one object per thread.

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/net/ServiceHost.h"

namespace platform {

struct HttpTimeouts {
    std::chrono::milliseconds connect{10000};
    std::chrono::milliseconds total{30000};

    // 10 s and 30 s, unless TEVALO_HTTP_CONNECT_TIMEOUT_MS or
    // TEVALO_HTTP_TIMEOUT_MS say otherwise.
    static HttpTimeouts fromEnvironment();
};

enum class HttpMethod { Get, Post };

class HttpRequest final {
public:
    // Largest body kept when the caller sets no limit before the exchange.
    static constexpr size_t kDefaultMaxBytes = 1 << 20;

    // `path` is the UTF-8 path and query, starting with "/"; bytes that may
    // not appear in a URL are percent-encoded.
    HttpRequest(const ServiceHost& host, HttpMethod method, std::string_view path,
                std::string_view userAgent,
                HttpTimeouts timeouts = HttpTimeouts::fromEnvironment());
    ~HttpRequest();
    HttpRequest(const HttpRequest&) = delete;
    HttpRequest& operator=(const HttpRequest&) = delete;

    // Limit of the body kept; it can only be lowered once the body is read.
    void setMaxBytes(size_t maxBytes);

    // Sends the request (once) and returns the status code of the final
    // response, after the redirects that are followed; nothing when no
    // response headers arrived (refused, unreachable, timed out).
    std::optional<int> status();

    // Sends the request (once) and returns at most `maxBytes` bytes of the
    // body; nothing when the exchange failed or timed out before the body
    // was complete or `maxBytes` bytes had arrived. Reading stops as soon as
    // `maxBytes` bytes are in, whatever the rest of the reply does.
    std::optional<std::string> read(size_t maxBytes);

    // The complete URL requested.
    const std::string& url() const { return url_; }

private:
    struct Transfer;

    void start(const std::string& url);
    void awaitHeaders();

    std::string url_;
    HttpMethod method_;
    std::string userAgent_;
    HttpTimeouts timeouts_;
    ServiceHost host_;
    size_t maxBytes_ = kDefaultMaxBytes;
    bool started_ = false;
    std::optional<int> status_;
    std::unique_ptr<Transfer> transfer_;
};

// Percent-encodes the bytes of a path that cannot stand in a URL (controls,
// blanks, non-ASCII, '"', '<', '>', '\\', '^', '`', '{', '|', '}'); everything
// else, including "/?&=*-", stays.
std::string encodeUrlPath(std::string_view path);

}  // namespace platform
