#pragma once

// The item's own HTTP fetch: one GET to the service host, no status check, a reply
// buffer of n x 500 + 100 bytes read once, a 15-second wait for the data connection.

#include <functional>
#include <string>
#include <string_view>

namespace today {

// Shows a message box over the home screen; a null caption is the platform default.
using ShowMessage = std::function<void(std::u16string_view text, const char16_t* caption)>;

class TodayFetch final {
public:
    static constexpr int kConnectionTimeoutMs = 15000;
    static constexpr const char* kAgent = "自动更新";

    explicit TodayFetch(ShowMessage showMessage) : showMessage_(std::move(showMessage)) {}

    static std::size_t bufferSize(int n) { return static_cast<std::size_t>(n) * 500 + 100; }

    // False without a request when n is 0, and on any network failure.
    bool fetch(std::u16string_view path, int n, std::u16string& text);

private:
    ShowMessage showMessage_;
};

}  // namespace today
