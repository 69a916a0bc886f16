#include "store/FieldWidth.h"

namespace store {

std::u16string fitToWidth(std::u16string_view text, unsigned width) {
    const std::size_t capacity = width > 0 ? width - 1 : 0;
    if (text.size() <= capacity) return std::u16string(text);
    std::size_t length = capacity;
    // A high surrogate as the last kept unit would lose its partner.
    if (length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) --length;
    return std::u16string(text.substr(0, length));
}

}  // namespace store
