#include "today/TodayFetch.h"

#include <chrono>
#include <exception>

#include "platform/net/HttpRequest.h"
#include "platform/net/Internet.h"
#include "platform/net/ServiceHost.h"
#include "platform/text/Utf.h"

namespace today {

bool TodayFetch::fetch(std::u16string_view path, int n, std::u16string& text) {
    if (n <= 0) return false;
    try {
        if (platform::internetConnected() &&
            !platform::requestConnection(std::chrono::milliseconds(kConnectionTimeoutMs))) {
            showMessage_(u"无法打开网络连接", nullptr);
            return false;
        }
        platform::HttpRequest request(platform::serviceHost(), platform::HttpMethod::Get,
                                      platform::toUtf8(path), kAgent);
        const auto body = request.read(bufferSize(n));
        if (!body) return false;
        // The reply ends at the bytes read, or at a zero byte within them.
        const auto end = body->find('\0');
        text = platform::fromUtf8(std::string_view(*body).substr(0, end));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace today
