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

// Whether the soil fit can take the sounding: the fit models the Wenner array, as the instrument
// measures it, so a Schlumberger sounding is kept and listed but not fitted.
bool SoilFitTakes(const archive::TypedSounding& sounding);

// A typed Wenner sounding as the soil fit takes an instrument's: each spacing with its apparent
// resistivity, ordered by spacing. A resistance R read at spacing a gives rho = 2 pi a R, as the
// instrument works it out; a resistivity is taken as it is.
analysis::Sounding SoundingOf(const archive::TypedSounding& sounding);

}  // namespace terrovane::stored
