#include "SafetyMapContent.h"

#include "SafetyMapPainting.h"

namespace terrovane::engineering {

void SafetyMapContent::Set(const electrode::SafetyRaster& raster, double touchLimit, double stepLimit,
                           const std::vector<grid::Segment>& conductors) {
    raster_ = raster;
    touchLimit_ = touchLimit;
    stepLimit_ = stepLimit;
    conductors_ = conductors;
}

void SafetyMapContent::Clear() {
    raster_ = {};
    conductors_.clear();
}

const std::vector<double>& SafetyMapContent::Values() const {
    return quantity_ == MapQuantity::Touch ? raster_.touch : raster_.step;
}

double SafetyMapContent::ScaleTop() const {
    return plots::SafetyScaleTop(Values(), Limit());
}

int SafetyMapContent::PointsAtOrAboveLimit() const {
    return plots::PointsAtOrAboveLimit(Values(), Limit());
}

}  // namespace terrovane::engineering
