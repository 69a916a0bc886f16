#pragma once

// The faults switched on per path prefix. The longest prefix that a request
// target starts with decides; a fault with a count is spent reply by reply and
// then removed. Thread-safe.

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "service/Fault.h"

namespace service {

class FaultPlan final {
public:
    void set(const std::string& prefix, const Fault& fault);
    void clear(const std::string& prefix);
    void clearAll();

    // The fault for this target, counting it as used.
    std::optional<Fault> take(std::string_view target);

private:
    std::mutex mutex_;
    std::map<std::string, Fault> faults_;
};

}  // namespace service
