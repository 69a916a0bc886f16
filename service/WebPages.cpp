#include "service/WebPages.h"

namespace service {

namespace {

std::string page(const std::string& title, const std::string& body) {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width\"><title>" +
           title + "</title></head>\n<body><h3>" + title + "</h3>\n" + body +
           "<p><a href=\"/\">返回首页</a></p></body></html>\n";
}

}  // namespace

WebPages::WebPages(const WarningFeed& disasters, const WarningFeed& fires)
    : disasters_(disasters), fires_(fires) {}

std::string WebPages::escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string WebPages::home() const {
    return page("米多晴雨匣",
                "<p>天气预报、灾害性天气预警和消防提醒。</p>\n<ul>"
                "<li><a href=\"/soft_new?id=1\">往期灾害性天气预警</a></li>"
                "<li><a href=\"/soft_new?id=2\">往期消防提醒</a></li></ul>\n");
}

std::optional<std::string> WebPages::pastWarnings(const std::string& pageId, const LocalTime& now,
                                                  bool withWarnings) const {
    const WarningFeed* feed = pageId == "1" ? &disasters_ : (pageId == "2" ? &fires_ : nullptr);
    if (!feed) return std::nullopt;
    std::string body;
    const std::vector<Warning> issued =
        withWarnings ? feed->issued(now, kPastDays) : std::vector<Warning>();
    for (const Warning& w : issued)
        body += "<div><p><b>" + escaped(w.title) + "</b><br>" + formatStamp(w.issued) + "</p><p>" +
                escaped(w.text) + "</p></div>\n";
    if (body.empty()) body = "<p>暂无往期信息</p>\n";
    return page(pageId == "1" ? "往期灾害性天气预警" : "往期消防提醒", body);
}

}  // namespace service
