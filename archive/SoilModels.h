#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Archive.h"
#include "Result.h"

namespace terrovane::archive {

// One layer of a stored soil model: resistivity in ohm-metres and, for every layer but the last, its
// thickness in metres, each with its one-sigma uncertainty (infinite: not determined by the data; NaN:
// no scatter to estimate it from).
struct StoredSoilLayer {
    double resistivity = 0;
    double resistivitySigma = 0;
    std::optional<double> thickness;
    std::optional<double> thicknessSigma;
};

// One point of the sounding the model was fitted to.
struct StoredSoundingPoint {
    double spacing = 0;
    double apparentResistivity = 0;
};

// A soil model kept with its site.
struct StoredSoilModel {
    std::int64_t id = 0;
    std::int64_t site = 0;
    std::string savedAt;      // ISO 8601, set when stored
    std::string layerChoice;  // what was asked for: "1", "2", "3" or "auto"
    double rmsPercent = 0;
    std::vector<StoredSoilLayer> layers;
    std::vector<StoredSoundingPoint> points;
    std::vector<double> logCovariance;  // kept apart: see SoilCovariance.h
    std::vector<std::string> leftOut;   // the results left out of the sounding and why (LeftOutNotes.h)
};

// Nothing when the model can be stored: one to ten layers, a thickness on every layer but the last, every
// resistivity, thickness, spacing and RMS a finite number above zero (the RMS may be 0), sigmas not
// negative. Otherwise the refusal saying what is wrong.
[[nodiscard]] std::optional<Failure> SoilModelProblem(const StoredSoilModel& model);

// Stores the model with its site in one unit of work (its covariance too, when it fits), setting its id
// and time; refused as SoilModelProblem says, or missing (kNoSite) when there is no such site.
Status StoreSoilModel(Archive& archive, StoredSoilModel& model);
// The site's stored models, newest first.
Result<std::vector<StoredSoilModel>> SoilModels(Archive& archive, std::int64_t site);
// One stored model by its id; missing (kNoSoilModel) when there is none.
Result<StoredSoilModel> SoilModelById(Archive& archive, std::int64_t id);
Status DeleteSoilModel(Archive& archive, std::int64_t id);

}  // namespace terrovane::archive
