#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ArchiveTypes.h"
#include "SoilFit.h"
#include "SoilFromArchive.h"
#include "SoilModels.h"
#include "Sounding.h"
#include "Verdict.h"

namespace terrovane::engineering {

// The layer counts the soil window offers, in its order.
inline const std::vector<std::string> kLayerChoices = {"1", "2", "3", "auto"};

// The sounding of archived results: their resistivity results (mode 9) at their distances, each named
// by slot and measuring date in the notes ("slot 07 of 2026-03-14"); other results are passed over with one
// note saying how many. Resistivities that are not measured values, or doubtful by `thresholds`, are left out
// with the reason.
analysis::GatheredSounding SoundingOfResults(const std::vector<archive::ResultRow>& rows,
                                             const archive::ValidityThresholds& thresholds = {});

// The fit a layer choice asks for ("1", "2", "3" or "auto"); refused for any other choice.
analysis::SoilFit FitForChoice(const analysis::Sounding& sounding, const std::string& choice);

// The model as the archive keeps it with its site.
archive::StoredSoilModel StoredModelOf(const analysis::SoilFit& fit, std::int64_t site,
                                       const std::string& choice);
// A stored model's layers as a model that can be computed.
using stored::EarthOf;
analysis::Sounding SoundingOf(const archive::StoredSoilModel& model);

// The model as CSV: layer,resistivity_ohm_m,resistivity_sigma,thickness_m,thickness_sigma (the last layer
// without a thickness, an undetermined sigma empty), then a blank line, the RMS error and the points as
// spacing_m,measured_ohm_m,model_ohm_m,residual_percent (a Schlumberger sounding's as
// ab2_m,mn2_m,measured_ohm_m,model_ohm_m,residual_percent).
std::string SoilModelCsv(const analysis::SoilFit& fit);

}  // namespace terrovane::engineering
