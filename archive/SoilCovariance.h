#pragma once

#include <string>

#include "Archive.h"
#include "Result.h"
#include "SoilModels.h"

namespace terrovane::archive {

// The covariance of a stored soil model's logarithmic parameters (row by row, (2n-1) x (2n-1) for n
// layers), kept beside the model so its one-sigma band can be drawn again. It lives in a table of its own,
// made when first needed and gone with its model; a model stored without one simply has none.
// It is written inside the model's own write transaction (StoreSoilModel), so the model is never seen without
// it; one that does not fit the model is not kept.
Status InsertSoilCovariance(Database& db, const StoredSoilModel& model);
// The statement that makes the covariance's table where it is missing.
extern const char* const kSoilCovarianceTable;
// Fills model.logCovariance (empty when none was kept or it does not fit the model's layers).
Status LoadSoilCovariance(Archive& archive, StoredSoilModel& model);

}  // namespace terrovane::archive
