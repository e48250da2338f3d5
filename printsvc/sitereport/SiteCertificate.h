#pragma once

#include <string>

#include "SiteReport.h"

namespace terrovane::sitereport {

// One A4 page per test point, for the clients who ask for a page per electrode: the firm, the point, its
// limit, its newest result that measured with its method and conditions, the verdict, when it is due again
// and the signatures. `point` names the one point to certify; empty certifies every point of the report.
// Written as a PDF/A-1b that replaces `path` only once it is complete; false with `error` set (a point the
// site does not have is one).
bool RenderCertificatesPdf(const SiteReport& report, const std::string& point, const std::string& path,
                           std::string& error);

}  // namespace terrovane::sitereport
