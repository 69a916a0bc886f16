#include "store/WarningReply.h"

#include "weather/ReplySyntax.h"

namespace store {

WarningReply parseWarnings(std::u16string_view reply) {
    WarningReply result;
    if (reply == u"-1") {
        result.status = weather::ReplyStatus::VersionTooOld;
        return result;
    }
    if (reply == u"0" || (!reply.empty() && reply.front() == u'<')) {
        result.status = weather::ReplyStatus::QueryFailed;
        return result;
    }
    const auto pieces = weather::splitWithTrailing(reply, weather::kSectionSeparator);
    WarningRecord scratch;
    result.updateTime = scratch.updateTime = pieces.front();
    for (size_t p = 1; p < pieces.size(); ++p) {
        for (const auto& item : weather::splitTerminated(pieces[p], weather::kBlockTerminator)) {
            const auto fields = weather::splitWithTrailing(item, weather::kSlotSeparator);
            if (fields[0].empty()) continue;
            scratch.id = fields[0];
            if (fields.size() > 1) scratch.todayFlag = scratch.title = fields[1];
            if (fields.size() > 2) scratch.title = fields[2];
            if (fields.size() > 3) scratch.text = fields[3];
            result.items.push_back(scratch);
        }
    }
    return result;
}

}  // namespace store
