#pragma once

#include "GridDesign.h"

namespace terrovane::grid {

// IEEE Std 80-2013's worked example of a 70 m x 70 m grid: 11 x 11 conductors of 0.01 m at 0.5 m, a
// 0.102 m surface layer of 2500 ohm-m, 1908 A for 0.5 s, a 70 kg body; soil of 400 ohm-m.
inline GridDesign SquareExample() {
    GridDesign design;
    design.grid = {GridShape::Square, 70, 70, 11, 11, 0.5, 0.01, 0, 0};
    design.surface = SurfaceLayer{2500, 0.102};
    design.fault.gridCurrent = 1908;
    design.fault.duration = 0.5;
    design.bodyKg = 70;
    return design;
}

inline constexpr double kExampleSoil = 400;

}  // namespace terrovane::grid
