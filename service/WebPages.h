#pragma once

// The small pages of the service's WAP site opened in the device browser: the
// home page and the pages of past warnings ("/soft_new?id=1" disaster warnings,
// "/soft_new?id=2" fire warnings).

#include <optional>
#include <string>

#include "service/LocalTime.h"
#include "service/WarningFeed.h"

namespace service {

class WebPages final {
public:
    static constexpr int kPastDays = 7;

    WebPages(const WarningFeed& disasters, const WarningFeed& fires);

    std::string home() const;
    // Nothing for an unknown page ID.
    // Without warnings (live mode, where none are issued) the page says there are none.
    std::optional<std::string> pastWarnings(const std::string& pageId, const LocalTime& now,
                                            bool withWarnings = true) const;

    static std::string escaped(const std::string& text);

private:
    const WarningFeed& disasters_;
    const WarningFeed& fires_;
};

}  // namespace service
