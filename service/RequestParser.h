#pragma once

// Takes a request target ("/spservers/kuvaro_weathers/101-102?version=...")
// apart. Pure and total: any byte string gives a request, at worst an Unknown
// one or one with an error.

#include <string>
#include <string_view>

#include "service/ServiceRequest.h"

namespace service {

class RequestParser final {
public:
    static constexpr size_t kMaxTargetLength = 16384;

    static ServiceRequest parse(std::string_view target);

    // "%41" becomes "A"; a "%" without two hex digits stays as it is. In a query
    // "+" stands for a blank.
    static std::string percentDecode(std::string_view text, bool plusIsBlank);
};

}  // namespace service
