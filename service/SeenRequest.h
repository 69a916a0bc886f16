#pragma once

#include <string>

#include "service/LocalTime.h"

namespace service {

// A request as the service received it, for tests that check what a client sent.
struct SeenRequest {
    std::string method;
    std::string path;    // percent-decoded
    std::string query;   // as received, without "?"
    std::string target;  // path and query as received
    std::string body;
    std::string userAgent;
    int status = 0;
    size_t replySize = 0;
    LocalTime time;  // the service clock's time of the request
};

}  // namespace service
