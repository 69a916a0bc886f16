#include "service/Fault.h"

#include <array>
#include <charconv>
#include <utility>

namespace service {

namespace {

constexpr std::array<std::pair<std::string_view, FaultKind>, 8> kNames{{
    {"0", FaultKind::Zero},
    {"-1", FaultKind::MinusOne},
    {"html", FaultKind::Html},
    {"slow", FaultKind::Slow},
    {"long", FaultKind::Long},
    {"cut", FaultKind::Cut},
    {"close", FaultKind::Close},
    {"500", FaultKind::ServerError},
}};

std::optional<long long> number(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

}  // namespace

std::optional<Fault> Fault::named(std::string_view name) {
    if (name == "html-once") {
        Fault fault{FaultKind::Html};
        fault.remaining = 1;
        return fault;
    }
    for (const auto& [text, kind] : kNames)
        if (text == name) return Fault{kind};
    return std::nullopt;
}

std::string Fault::nameOf(FaultKind kind) {
    for (const auto& [text, k] : kNames)
        if (k == kind) return std::string(text);
    return {};
}

std::optional<Fault> Fault::parse(std::string_view faultText) {
    const size_t comma = faultText.find(',');
    auto fault = named(faultText.substr(0, comma));
    if (!fault) return std::nullopt;
    if (comma == std::string_view::npos) return fault;
    std::string_view rest = faultText.substr(comma + 1);
    if (rest.empty()) return std::nullopt;
    while (!rest.empty()) {
        const size_t end = rest.find(',');
        const std::string_view option = rest.substr(0, end);
        rest = end == std::string_view::npos ? "" : rest.substr(end + 1);
        const size_t equals = option.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        const std::string_view name = option.substr(0, equals);
        const auto value = number(option.substr(equals + 1));
        if (!value) return std::nullopt;
        if (name == "ms" && *value <= 600000)
            fault->delayMs = static_cast<int>(*value);
        else if (name == "bytes" && *value <= 64LL * 1024 * 1024)
            fault->length = static_cast<size_t>(*value);
        else if (name == "times" && *value > 0 && *value <= 1000000)
            fault->remaining = static_cast<int>(*value);
        else
            return std::nullopt;
    }
    return fault;
}

}  // namespace service
