#pragma once

#include <string>

namespace terrovane::report {

// The four texts of the report's header block (UTF-8).
struct ReportHeaderInfo {
    std::string object;
    std::string serialNumber;
    std::string tester;
    std::string date;  // "yyyy-mm-dd", or empty
};

}  // namespace terrovane::report
