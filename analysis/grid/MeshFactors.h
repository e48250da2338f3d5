#pragma once

#include "GridDesign.h"
#include "GridGeometry.h"

namespace terrovane::grid {

// The factors of IEEE Std 80-2013's mesh and step voltages for uniform soil:
//   Em = rho Km Ki IG / LM and Es = rho Ks Ki IG / LS, with
//   Km = 1/(2 pi) [ln(D^2/(16 h d) + (D + 2h)^2/(8 D d) - h/(4d)) + Kii/Kh ln(8/(pi (2n - 1)))],
//   Kii = 1 with rods on the perimeter or at the corners, else 1/(2n)^(2/n); Kh = sqrt(1 + h/h0), h0 = 1 m,
//   n = na nb nc nd: na = 2 Lc/Lp, nb = sqrt(Lp/(4 sqrt A)), nc = (Lx Ly/A)^(0.7 A/(Lx Ly)),
//   nd = Dm/sqrt(Lx^2 + Ly^2) (nb = 1 for a square grid, nc = 1 for a square or rectangular one, nd = 1 for
//   all three shapes here); Ki = 0.644 + 0.148 n;
//   LM = Lc + LR, or Lc + [1.55 + 1.22 Lr/sqrt(Lx^2 + Ly^2)] LR with rods on the perimeter or corners;
//   Ks = 1/pi [1/(2h) + 1/(D + h) + 1/D (1 - 0.5^(n - 2))]; LS = 0.75 Lc + 0.85 LR.
struct MeshFactors {
    double na = 0;
    double nb = 1;
    double nc = 1;
    double nd = 1;
    double n = 0;
    double kii = 1;
    double kh = 1;
    double km = 0;
    double ki = 0;
    double ks = 0;
    double lm = 0;  // effective buried length for the mesh voltage
    double ls = 0;  // effective buried length for the step voltage
};

MeshFactors ComputeMeshFactors(const GridDesign& design, const GridGeometry& geometry);

}  // namespace terrovane::grid
