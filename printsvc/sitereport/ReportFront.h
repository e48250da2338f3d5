#pragma once

#include <string>
#include <vector>

#include "FirmProfile.h"
#include "Visit.h"

namespace terrovane::sitereport {

// A person who signs the report, with the image of their signature where one is given.
struct Signatory {
    std::string role;  // "tested" or "checked"
    std::string name;
    std::string date;       // YYYY-MM-DD
    std::string image;      // PNG or SVG bytes; empty for a line to sign on
    std::string imageType;  // "png" or "svg"
};

// What makes the report a document a client can keep: who issues it, its number and revision, the visits
// it covers and who signs it. Numbers are issued when a report is issued; a draft has none.
struct ReportFront {
    archive::FirmProfile firm;
    std::string client;
    std::string number;  // empty for a draft
    int revision = 0;
    std::string issueDate;  // YYYY-MM-DD
    std::string preparedBy;
    std::string checkedBy;
    std::vector<archive::Visit> visits;  // in the report's date range, oldest first
    std::vector<Signatory> signatures;
};

}  // namespace terrovane::sitereport
