#pragma once

#include <optional>
#include <string>
#include <vector>

#include "SimFaults.h"

namespace terrovane::sim {

struct SimOptions {
    std::string imagePath;    // empty: the built-in demo results
    std::string portMapPath;  // --portmap, else $TERROVANE_PORTMAP
    std::string logPath;      // empty: no log
    int comNumber = 3;
    SimFaults faults;
};

// Parses "[--image FILE] [--portmap FILE] [--fault KIND]... [--log FILE] [--com N]". nullopt, with error
// set, on anything it does not understand or when no port-map file is named at all.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& arguments,
                                          const char* portMapVariable, std::string& error);

}  // namespace terrovane::sim
