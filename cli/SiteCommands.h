#pragma once

#include <vector>

#include "Command.h"
#include "SiteTypes.h"

namespace terrovane::cli {

// The "site report" form of the site command.
CommandForm SiteReportForm();
// "site certificate SITE --pdf FILE [--point NAME]": one page per test point.
CommandForm SiteCertificateForm();

// "site reports SITE" and "site report-file NUMBER": the reports issued for a site, as they were issued.
std::vector<CommandForm> IssuedReportForms();

// The options of "site add" and "site set": --address, --position, --limit, --interval.
std::vector<DeclaredOption> SiteOptions();
// Sets the fields the options give and keeps the others; false after a usage message.
bool ParseSiteOptions(const ParsedArguments& options, archive::SiteFields& fields);
// "site set SITE ...": the options of "site add" change an existing site.
CommandForm SiteSetForm();

// The options of "point add" and "point set": --kind, --limit, --interval.
std::vector<DeclaredOption> PointOptions();
bool ParsePointOptions(const ParsedArguments& options, archive::PointFields& fields);
// "point set SITE POINT ...": the options of "point add" change an existing point.
CommandForm PointSetForm();

}  // namespace terrovane::cli
