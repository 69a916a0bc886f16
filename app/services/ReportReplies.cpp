#include "app/services/ReportReplies.h"

#include "weather/ReplySyntax.h"

namespace services {
namespace {

bool isHtml(std::u16string_view reply) {
    return !reply.empty() && reply.front() == u'<';
}

}  // namespace

ReportTitleReply parseReportTitles(std::u16string_view reply) {
    ReportTitleReply result;
    if (reply == u"-1") {
        result.status = weather::ReplyStatus::VersionTooOld;
        return result;
    }
    if (isHtml(reply)) {
        result.status = weather::ReplyStatus::QueryFailed;
        return result;
    }
    std::u16string text(reply);
    text += weather::kBlockTerminator;
    const auto pieces = weather::splitWithTrailing(text, weather::kSectionSeparator);
    store::ReportRecord scratch;
    scratch.updateTime = pieces.front();
    for (size_t p = 1; p < pieces.size(); ++p) {
        for (const auto& item : weather::splitTerminated(pieces[p], weather::kBlockTerminator)) {
            const auto fields = weather::splitWithTrailing(item, weather::kFieldSeparator);
            // A reply that closes its last item itself leaves an empty item
            // after the appended terminator; an item without ID names no report.
            if (fields[0].empty()) continue;
            scratch.id = fields[0];
            if (fields.size() > 1) scratch.title = fields[1];
            if (fields.size() > 2) scratch.text = fields[2];
            result.items.push_back(scratch);
        }
    }
    return result;
}

ReportDetailReply parseReportDetail(std::u16string_view reply) {
    ReportDetailReply result;
    if (reply == u"-1") {
        result.status = weather::ReplyStatus::VersionTooOld;
        return result;
    }
    if (reply.empty() || reply == u"0" || isHtml(reply)) {
        result.status = weather::ReplyStatus::QueryFailed;
        return result;
    }
    const auto pieces = weather::splitWithTrailing(reply, weather::kSectionSeparator);
    result.updateTime = pieces.front();
    for (size_t p = 1; p < pieces.size(); ++p) {
        const auto fields = weather::splitWithTrailing(pieces[p], weather::kFieldSeparator);
        if (fields.size() >= 3) result.text = fields[2];
    }
    return result;
}

}  // namespace services
