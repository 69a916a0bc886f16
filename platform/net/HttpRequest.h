#pragma once

// One HTTP exchange with the service host over libcurl. The request is sent
// the first time its status or its body is asked for; the body is kept up to
// a byte limit and the rest of the reply is not read. Every exchange has a
// connect time-out and a total time-out; running out of time fails the
// exchange. Safe to use from several threads, one object per thread.

#include <chrono>
#include <cstddef>
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

    // Limit of the body kept; only before the exchange has been made.
    void setMaxBytes(size_t maxBytes);

    // Sends the request (once) and returns the status code of the response;
    // nothing when no response arrived (refused, unreachable, timed out).
    std::optional<int> status();

    // Sends the request (once) and returns at most `maxBytes` bytes of the
    // body; nothing when the exchange failed or timed out before the body
    // was complete or `maxBytes` bytes had arrived.
    std::optional<std::string> read(size_t maxBytes);

    // The complete URL requested.
    const std::string& url() const { return url_; }

private:
    void perform();

    std::string url_;
    HttpMethod method_;
    std::string userAgent_;
    HttpTimeouts timeouts_;
    size_t maxBytes_ = kDefaultMaxBytes;
    bool performed_ = false;
    bool bodyComplete_ = false;
    std::optional<int> status_;
    std::string body_;
};

// Percent-encodes the bytes of a path that cannot stand in a URL (controls,
// blanks, non-ASCII, '"', '<', '>', '\\', '^', '`', '{', '|', '}'); everything
// else, including "/?&=*-", stays.
std::string encodeUrlPath(std::string_view path);

}  // namespace platform
