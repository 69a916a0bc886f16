#include "service/FaultPlan.h"

namespace service {

void FaultPlan::set(const std::string& prefix, const Fault& fault) {
    std::lock_guard lock(mutex_);
    faults_[prefix] = fault;
}

void FaultPlan::clear(const std::string& prefix) {
    std::lock_guard lock(mutex_);
    faults_.erase(prefix);
}

void FaultPlan::clearAll() {
    std::lock_guard lock(mutex_);
    faults_.clear();
}

std::optional<Fault> FaultPlan::take(std::string_view target) {
    std::lock_guard lock(mutex_);
    auto chosen = faults_.end();
    for (auto it = faults_.begin(); it != faults_.end(); ++it)
        if (target.starts_with(it->first) &&
            (chosen == faults_.end() || it->first.size() > chosen->first.size()))
            chosen = it;
    if (chosen == faults_.end()) return std::nullopt;
    const Fault fault = chosen->second;
    if (chosen->second.remaining > 0 && --chosen->second.remaining == 0) faults_.erase(chosen);
    return fault;
}

}  // namespace service
