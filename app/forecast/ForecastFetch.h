#pragma once

// A forecast fetch with the reply checks every forecast screen makes: the
// user hears of a failed connection or request from the HTTP client, of a
// failed read or an error reply from here ("网络读取失败", "无法获取网络数据").
// Nothing is returned unless the reply may be stored.

#include <optional>
#include <string>
#include <string_view>

#include "platform/msgbox/MessageBox.h"
#include "weather/HttpClient.h"

namespace app {

class ForecastFetch final {
public:
    // Open, check and read; a request that cannot be opened or checked stops
    // with the client's own message.
    static std::optional<std::u16string> inSteps(const weather::HttpClient& http,
                                                 platform::WindowHandle owner,
                                                 std::u16string_view path, int sizeFactor);
    // The one-call fetch with its retry.
    static std::optional<std::u16string> oneCall(const weather::HttpClient& http,
                                                 platform::WindowHandle owner,
                                                 std::u16string_view path, int sizeFactor);

private:
    static std::optional<std::u16string> checked(platform::WindowHandle owner,
                                                 const std::optional<std::u16string>& reply);
};

}  // namespace app
