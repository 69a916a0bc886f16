#include "weather/ReplySyntax.h"

namespace weather {

std::vector<std::u16string> splitWithTrailing(std::u16string_view text, char16_t separator) {
    std::vector<std::u16string> fields;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == separator) {
            fields.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    fields.emplace_back(text.substr(start));
    return fields;
}

std::vector<std::u16string> splitTerminated(std::u16string_view text, char16_t terminator) {
    std::vector<std::u16string> items;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == terminator) {
            items.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return items;
}

}  // namespace weather
