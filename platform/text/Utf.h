#pragma once

// Text conversions of the platform: the program keeps text as UTF-16, the wire
// and the file system speak UTF-8.

#include <string>
#include <string_view>

namespace platform {

// Decodes UTF-8. Invalid sequences become U+FFFD; an incomplete sequence at the
// very end (a reply cut in the middle of a character) is dropped, so a cut text
// keeps every complete character before the cut.
std::u16string fromUtf8(std::string_view utf8);

// Encodes UTF-16. An unpaired surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

// Decimal text to integer the way the platform's _wtoi does: optional blanks,
// optional sign, digits; anything else ends the number; no digits gives 0.
int toInt(std::u16string_view text);

// Integer to decimal text.
std::u16string fromInt(long long value);

// ASCII upper-casing; other characters stay as they are.
std::u16string toUpperAscii(std::u16string_view text);

}  // namespace platform
