#pragma once

#include <cstdint>
#include <optional>

#include "Archive.h"
#include "FallOfPotentialPlan.h"

namespace terrovane::engineering {

// The electrode of a test point as the site's records know it, in the site's soil model: the site's
// newest stored grid for a grid or mesh point that has one, else a rod (of a length the user gives).
struct FopModel {
    electrode::Soil soil;
    bool grid = false;  // the site's stored grid; a rod otherwise
    electrode::Electrode gridElectrode;
    double gridLength = 0;
    double gridWidth = 0;
};

inline constexpr double kDefaultRodLength = 3.0;
inline constexpr double kRodDiameter = 0.016;  // a common 5/8 in earth rod

// None where the point's site has no stored soil model (or the archive cannot say).
std::optional<FopModel> FopModelOfPoint(archive::Archive& archive, std::int64_t point);

// The fall-of-potential curve the model predicts for a current probe at `currentProbe` metres, with
// `points` potential-probe positions; a rod of `rodLength` where the model has no grid.
electrode::FopPlan PredictFop(const FopModel& model, double currentProbe, double rodLength, int points = 39);

}  // namespace terrovane::engineering
