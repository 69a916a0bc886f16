#pragma once

// The on-demand tokens the service has answered. A token is answered once; any
// later request with it is refused. Thread-safe.

#include <mutex>
#include <string>
#include <string_view>
#include <unordered_set>

namespace service {

class TokenMemory final {
public:
    // True when the token had not been answered before; it is answered from now on.
    bool claim(std::string_view token);
    bool answered(std::string_view token) const;
    void forget();

private:
    mutable std::mutex mutex_;
    std::unordered_set<std::string> tokens_;
};

}  // namespace service
