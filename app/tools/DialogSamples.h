#pragma once

#include "WindowSample.h"

namespace terrovane::app::samples {

// The main window and its own dialogs: about box, clock, progress window (reading), port chooser, and the
// message boxes at their largest (a port failure with the doctor's findings opened) and smallest (a short
// text under a title).
screenfit::WindowSamples Windows();

}  // namespace terrovane::app::samples
