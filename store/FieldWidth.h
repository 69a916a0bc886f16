#pragma once

#include <string>
#include <string_view>

namespace store {

// Cuts `text` to at most width - 1 UTF-16 units (the field's capacity less its
// terminating zero) without leaving half of a surrogate pair at the end.
std::u16string fitToWidth(std::u16string_view text, unsigned width);

}  // namespace store
