#pragma once

#include <cstdint>

#include "Assessment.h"
#include "GridAssessments.h"

namespace terrovane::stored {

// The assessment as the archive keeps it with its site, and the design it was made of back from it.
archive::StoredGridAssessment StoredAssessmentOf(const grid::GridDesign& design,
                                                 const grid::Assessment& assessment, std::int64_t site);
grid::GridDesign DesignOf(const archive::StoredGridAssessment& stored);

}  // namespace terrovane::stored
