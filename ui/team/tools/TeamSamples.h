#pragma once

#include <memory>

#include "Archive.h"
#include "WindowSample.h"

namespace terrovane::teamui::samples {

// Two sites whose address and interval two members changed at once: two conflicts to settle.
void FillConflicts(archive::Archive& store);

// The Team dialog (signed out) and the conflicts dialog over the filled archive.
screenfit::WindowSamples Windows(std::shared_ptr<archive::Archive> store);

}  // namespace terrovane::teamui::samples
