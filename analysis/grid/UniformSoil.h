#pragma once

#include "LayeredEarth.h"

namespace terrovane::grid {

// The grid formulas assume uniform soil. A layered model is reduced to one resistivity by the apparent
// resistivity the model gives in a Wenner sounding at a spacing equal to the grid's equivalent radius
// sqrt(A/pi): a grid's resistance is governed by the soil down to about its own size, which is what a
// Wenner array of that spacing senses. (IEEE Std 80-2013 takes a uniform resistivity from the sounding's
// averages, which suits low contrasts only; this rule follows the fitted model instead, and the value is
// always shown beside the verdict.)
enum class UniformMethod {
    Given,                       // a resistivity typed in
    SingleLayer,                 // a one-layer model's resistivity
    ApparentAtEquivalentRadius,  // the rule above
};

struct UniformSoil {
    double resistivity = 0;
    UniformMethod method = UniformMethod::Given;
    double spacing = 0;  // the Wenner spacing used, for the rule above
    int layers = 1;      // the model's layers
};

UniformSoil GivenSoil(double resistivity);
UniformSoil UniformFromModel(const analysis::LayeredEarth& model, double gridArea);

const char* UniformMethodName(
    UniformMethod method);  // "given", "single-layer", "wenner-at-equivalent-radius"

}  // namespace terrovane::grid
