#include "today/TodayWarningReply.h"

#include "weather/ReplySyntax.h"

namespace today {

TodayWarningReply TodayWarningReply::parse(const std::u16string& reply) {
    TodayWarningReply result;
    store::WarningRecord scratch;
    const auto sections = weather::splitWithTrailing(reply, weather::kSectionSeparator);
    result.updateTime = scratch.updateTime = sections[0];
    for (std::size_t s = 1; s < sections.size(); ++s) {
        for (const auto& item : weather::splitTerminated(sections[s], weather::kBlockTerminator)) {
            const auto fields = weather::splitWithTrailing(item, weather::kSlotSeparator);
            scratch.id = fields[0];
            if (fields.size() > 1) scratch.todayFlag = scratch.title = fields[1];
            if (fields.size() > 2) scratch.title = fields[2];
            if (fields.size() > 3) scratch.text = fields[3];
            result.warnings.push_back(scratch);
        }
    }
    return result;
}

}  // namespace today
