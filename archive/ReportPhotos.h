#pragma once

#include <cstdint>
#include <set>

#include "Archive.h"
#include "Result.h"

namespace terrovane::archive {

// Whether an attached photo goes into the site report, where it is printed with its caption after its
// point's results. A document cannot be chosen; unchoosing one that is not chosen changes nothing.
Status ChooseForReport(Archive& archive, std::int64_t attachment, bool chosen);
// The attachments chosen for the report.
Result<std::set<std::int64_t>> ChosenForReport(Archive& archive);

}  // namespace terrovane::archive
