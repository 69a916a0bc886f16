#pragma once

#include <string>

namespace store {

// A 7-character code of '0'-'9' and 'a'-'z' (client code, on-demand request
// token) from the device's random source: each draw modulo 123 is kept when it
// is the code of one of those characters.
std::u16string makeRandomCode();

}  // namespace store
