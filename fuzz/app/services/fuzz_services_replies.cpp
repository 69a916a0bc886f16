// Feeds arbitrary bytes, decoded as a reply, to every parser of the services
// and warnings replies.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/services/DangerTable.h"
#include "app/services/ReportReplies.h"
#include "platform/text/Utf.h"
#include "store/WarningReply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string reply =
        platform::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto warnings = store::parseWarnings(reply);
    for (const auto& w : warnings.items)
        if (w.id.empty()) __builtin_trap();
    const auto titles = services::parseReportTitles(reply);
    for (const auto& r : titles.items)
        if (r.id.empty()) __builtin_trap();
    services::parseReportDetail(reply);
    const auto danger = services::parseDangerReport(reply);
    for (const auto& column : danger.table.columns())
        if (static_cast<int>(column.cells.size()) != danger.table.rowCount()) __builtin_trap();
    return 0;
}
