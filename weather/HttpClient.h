#pragma once

// The product's HTTP client. A screen holds one HttpClient (passed in by its
// owner) and makes one HttpSession per fetch. Replies are read into a budget of
// n x 500 + 99 bytes, n being the caller's size factor, and decoded from UTF-8
// up to the first zero byte. Failures of the network layer end as a failed
// fetch; the only messages shown here are the connection and status failures,
// over the owner window.

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/msgbox/MessageBox.h"
#include "platform/net/HttpRequest.h"
#include "platform/net/ServiceHost.h"

namespace weather {

struct HttpClientOptions {
    // "session" for the application, "自动更新" for the home-screen item.
    std::string userAgent = "session";
    // How long the data-connection request may take.
    std::chrono::milliseconds connectionTimeout{10000};
    // The configured service host when empty.
    std::optional<platform::ServiceHost> host;
    // Connect and total time-outs of each exchange; the environment's when empty.
    std::optional<platform::HttpTimeouts> timeouts;

    // The home-screen item's client: agent "自动更新", 15 s for the data
    // connection. It fetches with openRequest() and readReply() only.
    static HttpClientOptions forHomeScreenItem();
};

// Bytes read at most for size factor n: n x 500 + 99.
size_t replyByteLimit(int sizeFactor);

// Decodes reply bytes up to the first zero byte; nothing when that gives no text.
std::optional<std::u16string> decodeReply(std::string_view bytes);

// One fetch: the data connection, one request at a time and its reply.
class HttpSession final {
public:
    HttpSession(platform::WindowHandle owner, const HttpClientOptions& options);
    ~HttpSession();
    HttpSession(const HttpSession&) = delete;
    HttpSession& operator=(const HttpSession&) = delete;

    // Makes sure a data connection exists; shows "无法打开网络连接" when it
    // cannot be made although the machine is online.
    bool connect();

    // connect(), then prepares a GET request for `path`. False (with the
    // message of connect()) when no request could be prepared.
    bool openRequest(std::u16string_view path);

    // Asks for the status of the prepared request; shows "地址无效" when
    // there is none. The value is judged by readReply().
    bool checkRequest();

    // Sends the prepared request, reads at most replyByteLimit(n) bytes and
    // closes the request. Reading stops once those bytes are in. Nothing when
    // the exchange failed, the status is 300 or above, or it gave no text.
    std::optional<std::u16string> readReply(int sizeFactor);

    // The one-call fetch: POST, and when the answer is a mark-up page ("<")
    // once more with GET. n = 0 fails silently; a status failure shows
    // "服务器关闭"; a second mark-up page fails silently.
    std::optional<std::u16string> fetch(std::u16string_view path, int sizeFactor);

private:
    platform::ServiceHost host() const;
    bool prepare(std::u16string_view path, platform::HttpMethod method);
    bool statusKnown();
    std::optional<std::string> readBytes(size_t limit);

    platform::WindowHandle owner_;
    HttpClientOptions options_;
    std::unique_ptr<platform::HttpRequest> request_;
};

class HttpClient final {
public:
    explicit HttpClient(HttpClientOptions options = {});

    const HttpClientOptions& options() const { return options_; }

    // The one-call fetch with its retry.
    std::optional<std::u16string> fetch(platform::WindowHandle owner, std::u16string_view path,
                                        int sizeFactor) const;

    // The three-step fetch: open request, check request, read reply.
    std::optional<std::u16string> fetchInSteps(platform::WindowHandle owner,
                                               std::u16string_view path, int sizeFactor) const;

    // A session for callers that run the steps themselves.
    std::unique_ptr<HttpSession> session(platform::WindowHandle owner) const;

private:
    HttpClientOptions options_;
};

}  // namespace weather
