#pragma once

// The desktop notification for newly stored disaster or fire warnings, posted
// by the application and the home-screen item after a fetch stored any: one
// notification per fetch, summary "米多晴雨匣", the first new warning's title
// and, when several came, how many.

#include <span>
#include <string>

namespace store {

// Empty when there is no title.
std::u16string newWarningNoticeBody(std::span<const std::u16string> newTitles);

// Posts the notification when there are new titles; false when nothing was
// shown (none new, no session bus, no notification service).
bool announceNewWarnings(std::span<const std::u16string> newTitles);

}  // namespace store
