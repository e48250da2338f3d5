#include "SoilFromArchive.h"

#include <algorithm>

namespace terrovane::stored {

analysis::LayeredEarth EarthOf(const archive::StoredSoilModel& model) {
    analysis::LayeredEarth earth;
    for (const archive::StoredSoilLayer& layer : model.layers) {
        earth.resistivities.push_back(layer.resistivity);
        if (layer.thickness)
            earth.thicknesses.push_back(*layer.thickness);
    }
    return earth;
}

grid::FittedSoil FittedSoilOf(const archive::StoredSoilModel& model) {
    grid::FittedSoil soil{EarthOf(model), {}, model.logCovariance, model.rmsPercent};
    double longestSpacing = 0;
    for (const archive::StoredSoundingPoint& point : model.points)
        longestSpacing = std::max(longestSpacing, point.spacing);
    for (const archive::StoredSoilLayer& layer : model.layers) {
        analysis::FittedLayer fitted;
        fitted.resistivity = layer.resistivity;
        fitted.resistivitySigma = layer.resistivitySigma;
        fitted.thickness = layer.thickness;
        fitted.thicknessSigma = layer.thicknessSigma;
        soil.layers.push_back(fitted);
    }
    analysis::JudgeResolved(soil.layers, longestSpacing);
    return soil;
}

}  // namespace terrovane::stored
