// The weather item's reading of a warning reply: any bytes give records whose fields
// are pieces of the reply, and never more records than the reply has terminators.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/text/Utf.h"
#include "today/TodayWarningReply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string reply =
        platform::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto parsed = today::TodayWarningReply::parse(reply);
    const auto terminators = static_cast<std::size_t>(std::count(reply.begin(), reply.end(), u'$'));
    if (parsed.warnings.size() > terminators) std::abort();
    for (const auto& warning : parsed.warnings) {
        if (warning.id.size() > reply.size() || warning.title.size() > reply.size()) std::abort();
        if (warning.updateTime != parsed.updateTime) std::abort();
    }
    return 0;
}
