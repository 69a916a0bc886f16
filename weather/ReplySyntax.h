#pragma once

// The syntax shared by every reply of the forecast service: five separators and
// the two ways of splitting a text on them.

#include <string>
#include <string_view>
#include <vector>

namespace weather {

inline constexpr char16_t kSectionSeparator = u'`';
inline constexpr char16_t kBlockTerminator = u'$';
inline constexpr char16_t kSlotSeparator = u'|';
inline constexpr char16_t kDaySeparator = u'&';
inline constexpr char16_t kFieldSeparator = u'*';

// n separators give n + 1 fields; the text after the last separator is the
// last field, even when empty. An empty text gives one empty field.
std::vector<std::u16string> splitWithTrailing(std::u16string_view text, char16_t separator);

// n terminators give n items, each the text before its terminator; text after
// the last terminator is dropped.
std::vector<std::u16string> splitTerminated(std::u16string_view text, char16_t terminator);

}  // namespace weather
