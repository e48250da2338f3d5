#pragma once

#include <memory>

#include "Archive.h"
#include "WindowSample.h"

namespace terrovane::history::samples {

// A site read out once a season over three years, its slots assigned to the site's six test points (the
// newest season not yet), with a soil model and a fall-of-potential curve kept with it and one electrode
// labelled across every read-out.
void Fill(archive::Archive& archive);

// The archive window and its dialogs over the filled archive, each as the archive window opens it.
screenfit::WindowSamples Windows(std::shared_ptr<archive::Archive> archive);

}  // namespace terrovane::history::samples
