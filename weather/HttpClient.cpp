#include "weather/HttpClient.h"

#include <exception>

#include "platform/net/Internet.h"
#include "platform/text/Utf.h"

namespace weather {
namespace {

constexpr std::u16string_view kPromptCaption = u"提示";

}  // namespace

HttpClientOptions HttpClientOptions::forHomeScreenItem() {
    HttpClientOptions options;
    options.userAgent = "自动更新";
    options.connectionTimeout = std::chrono::milliseconds(15000);
    return options;
}

size_t replyByteLimit(int sizeFactor) {
    return sizeFactor < 0 ? 0 : static_cast<size_t>(sizeFactor) * 500 + 99;
}

std::optional<std::u16string> decodeReply(std::string_view bytes) {
    const size_t zero = bytes.find('\0');
    std::u16string text = platform::fromUtf8(bytes.substr(0, zero));
    if (text.empty()) return std::nullopt;
    return text;
}

HttpSession::HttpSession(platform::WindowHandle owner, const HttpClientOptions& options)
    : owner_(owner), options_(options) {}

HttpSession::~HttpSession() = default;

platform::ServiceHost HttpSession::host() const {
    return options_.host.value_or(platform::serviceHost());
}

bool HttpSession::connect() {
    const std::string name = host().host;
    if (!platform::internetConnected(name)) return true;  // the HTTP layer decides
    if (platform::requestConnection(name, options_.connectionTimeout)) return true;
    if (platform::internetConnected(name)) {
        platform::messageBox(owner_, u"无法打开网络连接", {}, platform::MB_OK);
    }
    return false;
}

bool HttpSession::prepare(std::u16string_view path, platform::HttpMethod method) {
    try {
        request_ = std::make_unique<platform::HttpRequest>(
            host(), method, platform::toUtf8(path), options_.userAgent,
            options_.timeouts.value_or(platform::HttpTimeouts::fromEnvironment()));
        return true;
    } catch (const std::exception&) {
        request_.reset();
        return false;
    }
}

bool HttpSession::openRequest(std::u16string_view path) {
    if (!connect()) return false;
    return prepare(path, platform::HttpMethod::Get);
}

bool HttpSession::statusKnown() {
    try {
        return request_ && request_->status().has_value();
    } catch (const std::exception&) {
        request_.reset();
        return false;
    }
}

bool HttpSession::checkRequest() {
    if (statusKnown()) return true;
    platform::messageBox(owner_, u"地址无效", kPromptCaption, platform::MB_ICONEXCLAMATION);
    return false;
}

// An error status (400 and above: a proxy's "Internal Server Error" page) and
// a redirect that was not followed carry no data of the service: the read fails
// and nothing of the body reaches a store.
std::optional<std::string> HttpSession::readBytes(size_t limit) {
    std::optional<std::string> bytes;
    try {
        const auto status = request_ ? request_->status() : std::nullopt;
        if (status && *status < 300) bytes = request_->read(limit);
    } catch (const std::exception&) {
        bytes.reset();
    }
    request_.reset();
    return bytes;
}

std::optional<std::u16string> HttpSession::readReply(int sizeFactor) {
    if (sizeFactor < 0) {
        request_.reset();
        return std::nullopt;
    }
    const std::optional<std::string> bytes = readBytes(replyByteLimit(sizeFactor));
    if (!bytes) return std::nullopt;
    return decodeReply(*bytes);
}

std::optional<std::u16string> HttpSession::fetch(std::u16string_view path, int sizeFactor) {
    if (sizeFactor <= 0) return std::nullopt;
    if (!connect()) return std::nullopt;
    const size_t limit = replyByteLimit(sizeFactor);
    std::optional<std::string> bytes;
    for (const auto method : {platform::HttpMethod::Post, platform::HttpMethod::Get}) {
        if (!prepare(path, method)) return std::nullopt;
        request_->setMaxBytes(limit);
        if (!statusKnown()) {
            request_.reset();
            platform::messageBox(owner_, u"服务器关闭", kPromptCaption,
                                 platform::MB_ICONEXCLAMATION);
            return std::nullopt;
        }
        bytes = readBytes(limit);
        if (!bytes) return std::nullopt;
        if (bytes->empty() || bytes->front() != '<') return decodeReply(*bytes);
    }
    return std::nullopt;  // a mark-up page twice
}

HttpClient::HttpClient(HttpClientOptions options) : options_(std::move(options)) {}

std::optional<std::u16string> HttpClient::fetch(platform::WindowHandle owner,
                                                std::u16string_view path, int sizeFactor) const {
    return HttpSession(owner, options_).fetch(path, sizeFactor);
}

std::optional<std::u16string> HttpClient::fetchInSteps(platform::WindowHandle owner,
                                                       std::u16string_view path,
                                                       int sizeFactor) const {
    HttpSession session(owner, options_);
    if (!session.openRequest(path)) return std::nullopt;
    if (!session.checkRequest()) return std::nullopt;
    return session.readReply(sizeFactor);
}

std::unique_ptr<HttpSession> HttpClient::session(platform::WindowHandle owner) const {
    return std::make_unique<HttpSession>(owner, options_);
}

}  // namespace weather
