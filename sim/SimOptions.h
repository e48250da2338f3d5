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
    bool linePace = false;  // answers cross the line at its baud rate, in USB-sized chunks
    int busyMinMs = 0;      // each answer waits a random time from busyMinMs to busyMaxMs
    int busyMaxMs = 0;
};

// Parses "[--image FILE] [--portmap FILE] [--fault KIND]... [--log FILE] [--com N] [--line-pace]
// [--busy MS[:MS]]". nullopt, with error set, on anything it does not understand or when no port-map file
// is named at all.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& arguments,
                                          const char* portMapVariable, std::string& error);

}  // namespace terrovane::sim
