#include "platform/net/HttpRequest.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
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

std::string absolutePath(std::string_view path) {
    std::string encoded = encodeUrlPath(path);
    if (!encoded.empty() && encoded.front() == '/') return encoded;
    return std::string(1, '/') + encoded;
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

// One transfer over libcurl's multi interface, so that the caller decides how
// far it goes: up to the response headers, or up to a byte limit of the body.
struct HttpRequest::Transfer {
    CURLM* multi = curl_multi_init();
    CURL* easy = curl_easy_init();
    std::string body;
    size_t limit = 0;
    bool limitReached = false;
    bool headersDone = false;
    bool finished = false;
    CURLcode result = CURLE_OK;

    Transfer() = default;
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;
    ~Transfer() {
        if (multi && easy) curl_multi_remove_handle(multi, easy);
        if (easy) curl_easy_cleanup(easy);
        if (multi) curl_multi_cleanup(multi);
    }

    static size_t receive(char* data, size_t size, size_t count, void* user) {
        auto* t = static_cast<Transfer*>(user);
        const size_t bytes = size * count;
        const size_t room = t->body.size() < t->limit ? t->limit - t->body.size() : 0;
        if (bytes < room) {
            t->body.append(data, bytes);
            return bytes;
        }
        // Enough: keep what fits and stop the transfer; the rest is never read.
        t->body.append(data, room);
        t->limitReached = true;
        return 0;
    }

    // The blank line after a final (not 1xx) response's headers ends them.
    static size_t header(char* data, size_t size, size_t count, void* user) {
        auto* t = static_cast<Transfer*>(user);
        const std::string_view line(data, size * count);
        if (line == "\r\n" || line == "\n") {
            long code = 0;
            curl_easy_getinfo(t->easy, CURLINFO_RESPONSE_CODE, &code);
            if (code >= 200) t->headersDone = true;
        }
        return size * count;
    }

    // Runs the transfer until `enough` holds or it ends (done, failed, timed out).
    template <class Enough>
    void drive(Enough enough) {
        while (!finished && !enough()) {
            int running = 0;
            if (curl_multi_perform(multi, &running) != CURLM_OK) {
                finished = true;
                result = CURLE_FAILED_INIT;
                break;
            }
            int queued = 0;
            while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
                if (message->msg != CURLMSG_DONE) continue;
                finished = true;
                result = message->data.result;
            }
            if (finished || enough()) break;
            curl_multi_poll(multi, nullptr, 0, 100, nullptr);
        }
    }

    std::optional<int> responseCode() const {
        long code = 0;
        curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &code);
        if (code <= 0) return std::nullopt;
        return static_cast<int>(code);
    }
};

namespace {

constexpr int kMaxRedirects = 5;

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// True when `url` is plain HTTP to the same host and port as `host`.
bool onSameServer(const char* url, const ServiceHost& host) {
    CURLU* parsed = curl_url();
    if (!parsed) return false;
    bool same = false;
    char* scheme = nullptr;
    char* name = nullptr;
    char* port = nullptr;
    if (curl_url_set(parsed, CURLUPART_URL, url, 0) == CURLUE_OK &&
        curl_url_get(parsed, CURLUPART_SCHEME, &scheme, 0) == CURLUE_OK &&
        curl_url_get(parsed, CURLUPART_HOST, &name, 0) == CURLUE_OK &&
        curl_url_get(parsed, CURLUPART_PORT, &port, CURLU_DEFAULT_PORT) == CURLUE_OK) {
        std::string hostName = name;
        if (hostName.size() > 2 && hostName.front() == '[' && hostName.back() == ']')
            hostName = hostName.substr(1, hostName.size() - 2);
        same = lowered(scheme) == "http" && lowered(hostName) == lowered(host.host) &&
               std::to_string(host.port) == port;
    }
    curl_free(scheme);
    curl_free(name);
    curl_free(port);
    curl_url_cleanup(parsed);
    return same;
}

}  // namespace

HttpRequest::HttpRequest(const ServiceHost& host, HttpMethod method, std::string_view path,
                         std::string_view userAgent, HttpTimeouts timeouts)
    : url_("http://" + host.authority() + absolutePath(path)),
      method_(method),
      userAgent_(userAgent),
      timeouts_(timeouts),
      host_(host) {}

HttpRequest::~HttpRequest() = default;

void HttpRequest::setMaxBytes(size_t maxBytes) {
    if (!started_ || maxBytes < maxBytes_) maxBytes_ = maxBytes;
}

std::optional<int> HttpRequest::status() {
    awaitHeaders();
    return status_;
}

std::optional<std::string> HttpRequest::read(size_t maxBytes) {
    setMaxBytes(maxBytes);
    awaitHeaders();
    if (!transfer_ || !status_) return std::nullopt;
    Transfer& t = *transfer_;
    t.limit = std::min(t.limit, maxBytes_);
    if (t.body.size() >= t.limit) {
        t.body.resize(t.limit);
        t.limitReached = true;
    }
    t.drive([&t] { return t.limitReached; });
    const bool complete = t.limitReached || (t.finished && t.result == CURLE_OK);
    if (!complete) return std::nullopt;
    return t.body.substr(0, maxBytes);
}

void HttpRequest::start(const std::string& url) {
    transfer_ = std::make_unique<Transfer>();
    Transfer& t = *transfer_;
    t.limit = maxBytes_;
    if (!t.multi || !t.easy) {
        t.finished = true;
        t.result = CURLE_FAILED_INIT;
        return;
    }
    CURL* curl = t.easy;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent_.c_str());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts_.connect.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(timeouts_.total.count()));
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    // Redirects are judged here (awaitHeaders), never followed by libcurl.
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Transfer::receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &Transfer::header);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &t);
    if (method_ == HttpMethod::Post) {
        curl_easy_setopt(curl, CURLOPT_POST, 1L);
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, "");
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, 0L);
    }
    if (curl_multi_add_handle(t.multi, curl) != CURLM_OK) {
        t.finished = true;
        t.result = CURLE_FAILED_INIT;
    }
}

// Sends the request and waits for the final response's headers. A redirect to
// the same server is followed (as GET after 301, 302 and 303, as the browsers
// do); one to anywhere else is not, and its 3xx status is the result.
void HttpRequest::awaitHeaders() {
    if (started_) return;
    started_ = true;
    initCurlOnce();
    std::string url = url_;
    for (int hop = 0;; ++hop) {
        start(url);
        Transfer& t = *transfer_;
        t.drive([&t] { return t.headersDone; });
        if (!t.headersDone) return;
        status_ = t.responseCode();
        if (!status_ || *status_ < 300 || *status_ >= 400 || hop == kMaxRedirects) return;
        char* location = nullptr;
        curl_easy_getinfo(t.easy, CURLINFO_REDIRECT_URL, &location);
        if (!location || !onSameServer(location, host_)) return;
        url = location;
        if (*status_ <= 303) method_ = HttpMethod::Get;
        status_.reset();
    }
}

}  // namespace platform
