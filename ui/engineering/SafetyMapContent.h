#pragma once

#include <vector>

#include "GridGeometry.h"
#include "SafetyRaster.h"

namespace terrovane::engineering {

enum class MapQuantity { Touch, Step };

// What the safety map shows: the touch or the step voltage of a computed raster, judged against its limit,
// with the grid's conductors; and the figures of its colour scale.
class SafetyMapContent {
  public:
    // The raster in volts, the limits it is judged against and the grid's conductors; an empty raster
    // shows nothing.
    void Set(const electrode::SafetyRaster& raster, double touchLimit, double stepLimit,
             const std::vector<grid::Segment>& conductors);
    void Clear();
    void SetQuantity(MapQuantity quantity) { quantity_ = quantity; }
    MapQuantity Quantity() const { return quantity_; }

    bool Empty() const { return raster_.potential.values.empty(); }
    const electrode::SafetyRaster& Raster() const { return raster_; }
    const std::vector<grid::Segment>& Conductors() const { return conductors_; }
    // The chosen quantity's values, one a raster point.
    const std::vector<double>& Values() const;
    double Limit() const { return quantity_ == MapQuantity::Touch ? touchLimit_ : stepLimit_; }
    // The colour scale's top: the largest value shown or a quarter above the limit, whichever is higher,
    // so that the limit always lies on the legend.
    double ScaleTop() const;
    // How many raster points reach the limit (the unsafe ground).
    int PointsAtOrAboveLimit() const;

  private:
    electrode::SafetyRaster raster_;
    double touchLimit_ = 0;
    double stepLimit_ = 0;
    std::vector<grid::Segment> conductors_;
    MapQuantity quantity_ = MapQuantity::Touch;
};

}  // namespace terrovane::engineering
