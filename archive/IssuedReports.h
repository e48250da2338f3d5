#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "Result.h"

namespace terrovane::archive {

// A report as it was issued: its number and revision, the site, when and by whom, and the PDF's digest.
struct IssuedReport {
    std::int64_t id = 0;
    std::string number;
    int revision = 1;
    std::optional<std::int64_t> site;  // none once the site was removed; siteName stays
    std::string siteName;              // as the report printed it
    std::string issuedOn;              // YYYY-MM-DD, the date printed on it
    std::string issuedBy;
    std::string issuedAt;  // ISO 8601, when it was kept
    std::string language;  // "en", "de", "zh"
    std::string digest;    // SHA-256 of the PDF, hex
    std::int64_t size = 0;
};

struct NewIssuedReport {
    std::string number;
    int revision = 1;
    std::int64_t site = 0;
    std::string siteName;
    std::string issuedOn;
    std::string issuedBy;
    std::string language;
    std::string pdf;  // the file's bytes exactly as issued
};

// What the team's server answered when asked for a report number.
struct ServerReportNumber {
    enum class Outcome {
        Issued,       // `number` is the server's
        Unreachable,  // no answer (offline, down, timed out): the device issues one of its own
        Refused,      // the member may not issue reports (a viewer): none is issued
        Failed,       // any other failure (another layout, no team schema): the device issues one
    };
    Outcome outcome = Outcome::Unreachable;
    std::string number;
    std::string by;      // the login the server knows, for "issued by"
    std::string detail;  // the server's own message
};

// A number issued by this device without the team's server: "PREFIX-YEAR-DEVICE-NNN", the device its
// archive's short id (8 hex digits). The server's numbers have one part less ("PREFIX-YEAR-NNNN"), and a
// prefix holds no dash, so the two can never be the same.
std::string DeviceReportNumber(const std::string& prefix, int year, const std::string& device,
                               std::int64_t count);
// The archive's short device id: the first 8 hex digits of its device, in capitals.
Result<std::string> ShortDeviceId(Archive& archive);
// Counts the next number of this device for the prefix and year and returns it. Counted and committed
// before the report is drawn: a report that then fails leaves a gap, never a number given twice.
Result<std::string> CountDeviceReportNumber(Archive& archive, const std::string& prefix, int year);

// The revision the next issue of `number` gets: one after the newest kept. Refused when the number was
// not issued from this archive, or for another site than `site`.
Result<int> NextRevision(Archive& archive, const std::string& number, std::int64_t site,
                         const std::string& siteName);

// Keeps the issued PDF (its bytes once by their digest) with its number and revision, in one unit of work.
// A number's revision is kept once: a second issue of the same revision is refused.
Result<std::int64_t> KeepIssuedReport(Archive& archive, const NewIssuedReport& report);

// The site's issued reports, by number, each number's revisions newest first.
Result<std::vector<IssuedReport>> IssuedReportsOf(Archive& archive, std::int64_t site);
// The report with that number: the revision given, else its newest.
Result<IssuedReport> FindIssuedReport(Archive& archive, const std::string& number,
                                      std::optional<int> revision);
// The PDF's bytes exactly as issued.
Result<std::string> IssuedReportBytes(Archive& archive, std::int64_t id);

}  // namespace terrovane::archive
