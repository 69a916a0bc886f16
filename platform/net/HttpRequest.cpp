#include "platform/net/HttpRequest.h"

#include <curl/curl.h>

#include <cstdlib>
#include <mutex>

namespace platform {
namespace {

void initCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::chrono::milliseconds envMilliseconds(const char* name, std::chrono::milliseconds fallback) {
    const char* text = std::getenv(name);
    if (!text || !*text) return fallback;
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (*end != '\0' || value <= 0) return fallback;
    return std::chrono::milliseconds(value);
}

struct Receiver {
    std::string* body;
    size_t limit;
    bool limitReached = false;
};

size_t receive(char* data, size_t size, size_t count, void* user) {
    auto* r = static_cast<Receiver*>(user);
    const size_t bytes = size * count;
    const size_t room = r->limit - r->body->size();
    if (bytes < room) {
        r->body->append(data, bytes);
        return bytes;
    }
    // Enough: keep what fits and stop the transfer; the rest is never read.
    r->body->append(data, room);
    r->limitReached = true;
    return 0;
}

std::string absolutePath(std::string_view path) {
    std::string encoded = encodeUrlPath(path);
    if (encoded.empty() || encoded.front() != '/') encoded.insert(0, "/");
    return encoded;
}

}  // namespace

HttpTimeouts HttpTimeouts::fromEnvironment() {
    HttpTimeouts t;
    t.connect = envMilliseconds("TEVALO_HTTP_CONNECT_TIMEOUT_MS", t.connect);
    t.total = envMilliseconds("TEVALO_HTTP_TIMEOUT_MS", t.total);
    return t;
}

std::string encodeUrlPath(std::string_view path) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size());
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        const bool plain = c > 0x20 && c < 0x7F && c != '"' && c != '<' && c != '>' && c != '\\' &&
                           c != '^' && c != '`' && c != '{' && c != '|' && c != '}';
        if (plain) {
            out.push_back(ch);
        } else {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 0xF]);
        }
    }
    return out;
}

HttpRequest::HttpRequest(const ServiceHost& host, HttpMethod method, std::string_view path,
                         std::string_view userAgent, HttpTimeouts timeouts)
    : url_("http://" + host.authority() + absolutePath(path)),
      method_(method),
      userAgent_(userAgent),
      timeouts_(timeouts) {}

HttpRequest::~HttpRequest() = default;

void HttpRequest::setMaxBytes(size_t maxBytes) {
    if (!performed_) maxBytes_ = maxBytes;
}

std::optional<int> HttpRequest::status() {
    perform();
    return status_;
}

std::optional<std::string> HttpRequest::read(size_t maxBytes) {
    if (!performed_ && maxBytes < maxBytes_) maxBytes_ = maxBytes;
    perform();
    if (!bodyComplete_) return std::nullopt;
    return body_.substr(0, maxBytes);
}

void HttpRequest::perform() {
    if (performed_) return;
    performed_ = true;
    initCurlOnce();
    CURL* curl = curl_easy_init();
    if (!curl) return;
    Receiver receiver{&body_, maxBytes_};
    curl_easy_setopt(curl, CURLOPT_URL, url_.c_str());
    curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent_.c_str());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts_.connect.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(timeouts_.total.count()));
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    // Redirects are followed, as the phone's HTTP stack does, but only to HTTP.
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &receiver);
    if (method_ == HttpMethod::Post) {
        curl_easy_setopt(curl, CURLOPT_POST, 1L);
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, "");
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, 0L);
    }
    const CURLcode result = curl_easy_perform(curl);
    long code = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &code);
    if (code > 0) status_ = static_cast<int>(code);
    bodyComplete_ =
        status_ && (result == CURLE_OK || (result == CURLE_WRITE_ERROR && receiver.limitReached));
    curl_easy_cleanup(curl);
}

}  // namespace platform
