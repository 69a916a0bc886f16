#include "service/TokenMemory.h"

namespace service {

bool TokenMemory::claim(std::string_view token) {
    std::lock_guard lock(mutex_);
    return tokens_.emplace(token).second;
}

bool TokenMemory::answered(std::string_view token) const {
    std::lock_guard lock(mutex_);
    return tokens_.contains(std::string(token));
}

void TokenMemory::forget() {
    std::lock_guard lock(mutex_);
    tokens_.clear();
}

}  // namespace service
