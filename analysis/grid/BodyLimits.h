#pragma once

namespace terrovane::grid {

// What a body tolerates after IEEE Std 80-2013: a body current of k / sqrt(ts) (k = 0.116 for 50 kg,
// 0.157 for 70 kg, for shocks of 0.03 s to 3 s) through a body of 1000 ohm, each foot standing on the
// surface with a resistance of 3 Cs rho_s.

// The surface layer's derating factor, the standard's empirical formula
// Cs = 1 - 0.09 (1 - rho / rho_s) / (2 hs + 0.09); 1 without a surface layer (thickness 0).
double SurfaceFactor(double soilResistivity, double surfaceResistivity, double surfaceThickness);

// k of the body current limit for a body of 50 or 70 kg.
double BodyCurrentConstant(int bodyKg);

// E_touch = (1000 + 1.5 Cs rho_s) k / sqrt(ts) and E_step = (1000 + 6 Cs rho_s) k / sqrt(ts), in volts.
double TolerableTouchVoltage(int bodyKg, double surfaceFactor, double surfaceResistivity,
                             double shockDuration);
double TolerableStepVoltage(int bodyKg, double surfaceFactor, double surfaceResistivity,
                            double shockDuration);

}  // namespace terrovane::grid
