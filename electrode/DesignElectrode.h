#pragma once

#include "Geometry.h"
#include "GridDesign.h"

namespace terrovane::electrode {

// A design's grid and rods as the conductors the electrode solver takes: the conductors as the drawing
// shows them at the burial depth, each rod going down from the grid at its crossing.
Electrode ElectrodeOfDesign(const grid::GridDesign& design);

}  // namespace terrovane::electrode
