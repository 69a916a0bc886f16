#pragma once

// The command line of tevalo-service:
//   tevalo-service [--host 127.0.0.1] [--port N | --port 0] [--data DIR]
//                  [--log FILE] [--fault PREFIX=KIND]... [--clock ISO-TIME]
//                  [--threads N] [--source stand-in|open-meteo] [--upstream URL]
//                  [--cache-minutes N]

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "service/Fault.h"
#include "service/LocalTime.h"

namespace service {

struct ServiceOptions {
    std::string host = "127.0.0.1";
    int port = 8080;
    std::string dataFolder;
    std::string logFile;
    std::vector<std::pair<std::string, Fault>> faults;
    std::optional<LocalTime> clockStart;
    int threads = 64;
    bool live = false;  // --source open-meteo
    std::string upstream = "https://api.open-meteo.com";
    int cacheMinutes = 30;
    bool help = false;

    // Fills `error` and returns nothing when the command line is wrong.
    static std::optional<ServiceOptions> parse(const std::vector<std::string>& args,
                                               std::string& error);
    static const char* usage();
};

}  // namespace service
