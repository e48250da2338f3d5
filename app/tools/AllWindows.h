#pragma once

#include <QString>

#include "WindowSample.h"

namespace terrovane::app::samples {

// Every window and dialog of both programs over sample data kept in `folder` (archives made there), in
// the order a person meets them. A new window goes into its own folder's list and is then shot and walked.
screenfit::WindowSamples AllWindows(const QString& folder);

}  // namespace terrovane::app::samples
