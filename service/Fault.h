#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace service {

enum class FaultKind {
    Zero,         // the reply is exactly "0"
    MinusOne,     // the reply is exactly "-1"
    Html,         // an HTML page starting with "<"
    Slow,         // the real reply after a delay
    Long,         // the real reply padded past any client buffer
    Cut,          // the real reply cut in the middle of a UTF-8 character
    Close,        // the connection is closed without a reply
    ServerError,  // status 500 with an HTML body
};

// One misbehaviour for the requests under a path prefix.
struct Fault {
    FaultKind kind = FaultKind::Zero;
    int remaining = -1;     // replies left to spoil; -1 for every reply
    int delayMs = 3000;     // Slow
    size_t length = 65536;  // Long: the padded reply's size in bytes

    // Names: "0", "-1", "html", "html-once", "slow", "long", "cut", "close", "500".
    static std::optional<Fault> named(std::string_view name);
    static std::string nameOf(FaultKind kind);

    // "kind[,ms=N][,bytes=N][,times=N]" as the command line gives it.
    static std::optional<Fault> parse(std::string_view faultText);
};

}  // namespace service
