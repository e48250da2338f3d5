#pragma once

namespace terrovane::grid {

// The permissible touch voltage of EN 50522:2010 (the same curve as IEC 61936-1:2010): the table of U_Tp
// against the fault duration tf from 0.05 s to 10 s, with the body current I_B each value rests on.
// Between the table's durations both are interpolated as straight lines on the logarithmic axes the
// standard draws its curve on (log U against log t); outside the table the nearest end is used and
// `outsideTable` says so.
struct PermissibleTouch {
    double voltage = 0;      // U_Tp, V
    double bodyCurrent = 0;  // I_B, A
    bool outsideTable = false;
};
PermissibleTouch PermissibleTouchVoltage(double faultDuration);

// With resistances in series with the body (footwear R_F1, the feet's standing resistance R_F2):
// U_vTp = U_Tp + (R_F1 + R_F2) I_B.
double PermissibleTouchWithResistances(const PermissibleTouch& touch, double footwear, double standing);

// The standing resistance of both feet on a surface of this resistivity: R_F2 = 1.5 m^-1 rho_s.
double StandingResistance(double surfaceResistivity);

}  // namespace terrovane::grid
