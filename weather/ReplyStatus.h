#pragma once

namespace weather {

// How a reply of the professional services and warnings was judged as a whole.
enum class ReplyStatus {
    Ok,
    VersionTooOld,  // exactly "-1"
    QueryFailed,    // "0", an HTML page, or nothing usable
};

}  // namespace weather
