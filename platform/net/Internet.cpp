#include "platform/net/Internet.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <sys/socket.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/net/ServiceHost.h"

namespace platform {

bool isLoopbackHost(std::string_view host) {
    if (host == "localhost" || host == "::1" || host == "[::1]") return true;
    if (host.ends_with(".localhost")) return true;
    return host.starts_with("127.") &&
           host.find_first_not_of("0123456789.") == std::string_view::npos;
}

bool internetConnected() {
    return internetConnected(serviceHost().host);
}

bool internetConnected(std::string_view serviceHostName) {
    if (isLoopbackHost(serviceHostName)) return true;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return false;
    bool up = false;
    for (ifaddrs* i = list; i && !up; i = i->ifa_next) {
        if (!i->ifa_addr) continue;
        const int family = i->ifa_addr->sa_family;
        up = (family == AF_INET || family == AF_INET6) && (i->ifa_flags & IFF_UP) &&
             (i->ifa_flags & IFF_RUNNING) && !(i->ifa_flags & IFF_LOOPBACK);
    }
    freeifaddrs(list);
    return up;
}

bool requestConnection(std::chrono::milliseconds timeout) {
    return requestConnection(serviceHost().host, timeout);
}

bool requestConnection(std::string_view serviceHostName, std::chrono::milliseconds timeout) {
    // getaddrinfo has no time-out of its own: resolve on a helper thread and
    // stop waiting for it when the time is up. The thread owns its share of
    // the state, so leaving it behind is safe.
    struct Lookup {
        std::mutex mutex;
        std::condition_variable done;
        bool finished = false;
        bool resolved = false;
    };
    auto lookup = std::make_shared<Lookup>();
    std::thread([lookup, host = std::string(serviceHostName)] {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* result = nullptr;
        const bool ok = getaddrinfo(host.c_str(), nullptr, &hints, &result) == 0;
        if (result) freeaddrinfo(result);
        std::lock_guard lock(lookup->mutex);
        lookup->finished = true;
        lookup->resolved = ok;
        lookup->done.notify_all();
    }).detach();
    std::unique_lock lock(lookup->mutex);
    lookup->done.wait_for(lock, timeout, [&] { return lookup->finished; });
    return lookup->finished && lookup->resolved;
}

}  // namespace platform
