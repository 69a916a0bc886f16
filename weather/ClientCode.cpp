#include "weather/ClientCode.h"

#include "platform/clock/Random.h"

namespace weather {
namespace {

bool isCodeCharacter(int c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::u16string makeClientCode() {
    std::u16string code;
    while (code.size() < kClientCodeLength) {
        int c = platform::random() % 123;
        if (c < 0) c += 123;
        if (isCodeCharacter(c)) code.push_back(static_cast<char16_t>(c));
    }
    return code;
}

std::u16string makeRequestToken() {
    return makeClientCode();
}

bool isClientCode(std::u16string_view text) {
    if (text.size() != kClientCodeLength) return false;
    for (char16_t c : text) {
        if (!isCodeCharacter(c)) return false;
    }
    return true;
}

}  // namespace weather
