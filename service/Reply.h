#pragma once

#include <string>

namespace service {

struct Reply {
    int status = 200;
    std::string contentType = "text/plain; charset=utf-8";
    std::string body;
};

}  // namespace service
