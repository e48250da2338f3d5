#pragma once

#include <vector>

#include "FallOfPotential.h"
#include "Sounding.h"
#include "TypedSoundings.h"
#include "TypedTraverses.h"

namespace terrovane::stored {

// A typed traverse's readings as the fall-of-potential analysis takes an instrument's: distance and
// resistance, in the order typed (the analysis orders them).
std::vector<analysis::FopReading> FopReadingsOf(const archive::TypedTraverse& traverse);

// Whether the soil fit can take the sounding: a Wenner one always, a Schlumberger one with every reading's
// MN/2 (one kept before MN/2 was asked for has none, and is listed but not fitted).
bool SoilFitTakes(const archive::TypedSounding& sounding);

// A typed sounding as the soil fit takes an instrument's: each spacing (a Schlumberger reading's AB/2 with
// its MN/2) with its apparent resistivity, ordered by spacing. A resistance R gives rho = 2 pi a R at a
// Wenner spacing a, as the instrument works it out, and SchlumbergerApparentResistivity at AB/2 and MN/2;
// a resistivity is taken as it is.
analysis::Sounding SoundingOf(const archive::TypedSounding& sounding);

}  // namespace terrovane::stored
