#pragma once

// Addresses and numbers of the service that the texts of the program name:
// the WAP site offered when recommending the program, the feedback number, the
// two warning pages. Configuration values of this program.

#include <string>

namespace app {

struct ServiceContacts {
    // The site the main menu and the help screen recommend.
    std::u16string wapSite = u"http://wap.tevalo.cn";
    // The site the three-day and weekly lists recommend.
    std::u16string listWapSite = u"http://wap.tevalo.cn/weather";
    // Recipient of "意见反馈".
    std::u16string feedbackNumber = u"10657502131766";
    std::u16string serviceHotline = u"400-600-1766";
    std::u16string serviceEmail = u"service@tevalo.cn";
    std::u16string helpPage = u"http://wap.tevalo.cn/help";
};

}  // namespace app
