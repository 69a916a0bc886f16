#pragma once

// The client code that identifies this installation to the service, and the
// request tokens of on-demand cities: 7 characters of 0-9 and a-z drawn from
// the platform's random source (each candidate is a random number mod 123,
// kept when it is a digit or a lower-case letter).

#include <string>
#include <string_view>

namespace weather {

inline constexpr size_t kClientCodeLength = 7;

std::u16string makeClientCode();
std::u16string makeRequestToken();

// True for 7 characters of 0-9 and a-z.
bool isClientCode(std::u16string_view text);

}  // namespace weather
