#pragma once

#include "GridDesign.h"
#include "GridGeometry.h"

namespace terrovane::grid {

// Sverak's formula after IEEE Std 80-2013:
// Rg = rho [1/LT + 1/sqrt(20 A) (1 + 1/(1 + h sqrt(20/A)))], with the rods counted in the total buried
// length LT, as the standard's worked examples do.
double SverakResistance(double rho, const GridGeometry& geometry, double depth);

// Schwarz's coefficients k1 and k2, read off the standard's figure as straight lines in the ratio x of
// length to width, one pair for a grid at the surface, at sqrt(A)/10 and at sqrt(A)/6; between them
// linear in the depth, and the deepest pair beyond sqrt(A)/6.
struct SchwarzCoefficients {
    double k1 = 0;
    double k2 = 0;
};
SchwarzCoefficients SchwarzCoefficientsAt(double depth, double area, double lengthToWidth);

// Schwarz's formula for a grid with rods: the grid's R1, the rods' R2 and their
// mutual resistance Rm combined as Rg = (R1 R2 - Rm^2) / (R1 + R2 - 2 Rm).
struct SchwarzResistance {
    double grid = 0;    // R1
    double rods = 0;    // R2
    double mutual = 0;  // Rm
    double total = 0;   // Rg
};
SchwarzResistance SchwarzGridResistance(double rho, const GridDesign& design, const GridGeometry& geometry);

}  // namespace terrovane::grid
