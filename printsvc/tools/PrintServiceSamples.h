#pragma once

#include "WindowSample.h"

namespace terrovane::printsvc::samples {

// The print service's main window, sized to its form as it starts, and its header dialog.
screenfit::WindowSamples Windows();

}  // namespace terrovane::printsvc::samples
