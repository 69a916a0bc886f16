#include "service/UpstreamClient.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace service {

namespace {

struct Sink {
    std::string* body;
    bool tooLarge = false;
};

size_t collect(char* data, size_t size, size_t count, void* context) {
    auto* sink = static_cast<Sink*>(context);
    const size_t bytes = size * count;
    if (sink->body->size() + bytes > UpstreamClient::kMaxReplyBytes) {
        sink->tooLarge = true;
        return 0;  // ends the transfer
    }
    sink->body->append(data, bytes);
    return bytes;
}

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

std::string UpstreamResult::describe() const {
    if (!error.empty()) return error;
    std::string line = "HTTP " + std::to_string(status);
    if (status != 200 && !body.empty()) line += ": " + body.substr(0, 200);
    return line;
}

UpstreamClient::UpstreamClient(std::string baseUrl, UpstreamTimeouts timeouts)
    : baseUrl_(std::move(baseUrl)), timeouts_(timeouts) {
    while (!baseUrl_.empty() && baseUrl_.back() == '/') baseUrl_.pop_back();
    initialiseCurlOnce();
}

UpstreamResult UpstreamClient::get(const std::string& target) {
    UpstreamResult result;
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(),
                                                                   &curl_easy_cleanup);
    if (!curl) {
        result.error = "cannot create an HTTP handle";
        return result;
    }
    ++requests_;
    const std::string url = baseUrl_ + target;
    Sink sink{&result.body};
    char message[CURL_ERROR_SIZE] = {};
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(handle, CURLOPT_USERAGENT, "tevalo-service");
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(timeouts_.connect.count()));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(timeouts_.total.count()));
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &collect);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, message);
    const CURLcode code = curl_easy_perform(handle);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &result.status);
    if (sink.tooLarge) {
        result.error = "reply larger than " + std::to_string(kMaxReplyBytes) + " bytes";
    } else if (code != CURLE_OK) {
        result.error = *message ? message : curl_easy_strerror(code);
        result.status = 0;
    }
    return result;
}

}  // namespace service
