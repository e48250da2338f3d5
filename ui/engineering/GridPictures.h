#pragma once

#include <QTabWidget>
#include <QWidget>

#include <optional>

#include "GridDrawing.h"
#include "GridMapView.h"
#include "GridProfileView.h"
#include "GridSafety.h"

namespace terrovane::engineering {

// The grid safety window's pictures, one tab each: the grid drawn to scale, the touch and step voltages of
// the computation in the soil model as a map over it, and the surface along a line across the map as a
// profile; and the computation they show.
class GridPictures {
  public:
    // The tabs are `window`'s children.
    explicit GridPictures(QWidget* window);

    QTabWidget& Tabs() const { return *tabs_; }
    GridDrawing& Drawing() const { return *drawing_; }
    GridMapView& MapView() const { return *mapView_; }
    GridProfileView& ProfileView() const { return *profile_; }
    // The computation in the soil model shown; none while one runs or when it is off.
    const std::optional<electrode::ComputedSafety>& Computed() const { return computed_; }

    // The map and the profile of `computed`, over the grid drawn.
    void ShowComputed(const electrode::ComputedSafety& computed);
    // No computation: an empty map and profile.
    void ClearComputed();

  private:
    QTabWidget* tabs_ = nullptr;
    GridDrawing* drawing_ = nullptr;
    GridMapView* mapView_ = nullptr;
    GridProfileView* profile_ = nullptr;
    std::optional<electrode::ComputedSafety> computed_;
};

}  // namespace terrovane::engineering
