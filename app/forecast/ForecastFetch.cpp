#include "app/forecast/ForecastFetch.h"

#include "weather/ForecastReply.h"

namespace app {

std::optional<std::u16string> ForecastFetch::checked(platform::WindowHandle owner,
                                                     const std::optional<std::u16string>& reply) {
    const auto check = weather::checkForecastReply(reply);
    if (check == weather::ReplyCheck::Ok) return reply;
    platform::messageBox(owner, weather::replyCheckMessage(check));
    return std::nullopt;
}

std::optional<std::u16string> ForecastFetch::inSteps(const weather::HttpClient& http,
                                                     platform::WindowHandle owner,
                                                     std::u16string_view path, int sizeFactor) {
    const auto session = http.session(owner);
    if (!session->openRequest(path) || !session->checkRequest()) return std::nullopt;
    return checked(owner, session->readReply(sizeFactor));
}

std::optional<std::u16string> ForecastFetch::oneCall(const weather::HttpClient& http,
                                                     platform::WindowHandle owner,
                                                     std::u16string_view path, int sizeFactor) {
    return checked(owner, http.fetch(owner, path, sizeFactor));
}

}  // namespace app
