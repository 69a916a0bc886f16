#pragma once

// The two replies of the periodic reports: the title list of one report kind
// and the full text of one report.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/ReportRecord.h"
#include "weather/ReplyStatus.h"

namespace services {

struct ReportTitleReply {
    weather::ReplyStatus status = weather::ReplyStatus::Ok;
    // One item per report, in reply order. A field an item lacks repeats the
    // previous item's value: the service leaves out what did not change.
    std::vector<store::ReportRecord> items;
};

// "time`id*title*text$id*title*text" (the closing "$" of the last item may be
// missing). A reply without any back-quote holds no report; items without an
// ID are skipped.
ReportTitleReply parseReportTitles(std::u16string_view reply);

struct ReportDetailReply {
    weather::ReplyStatus status = weather::ReplyStatus::Ok;
    std::u16string updateTime;
    // The text of the last piece that carries one; unset when no piece does.
    std::optional<std::u16string> text;
};

// "time`x*y*text": only the third field of each piece is used. A reply that
// is only a time stamp (no back-quote) is good: it renews the update time and
// the stored text stays. "0", an empty reply and an HTML page are unusable.
ReportDetailReply parseReportDetail(std::u16string_view reply);

}  // namespace services
