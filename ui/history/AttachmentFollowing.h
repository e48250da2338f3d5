#pragma once

#include "HistoryControls.h"
#include "WindowUndo.h"

namespace terrovane::history {

// The archive window's strip of photos and documents follows what was chosen last: a site or point in
// the tree, one result in either list. A photo put in or taken out of the site report is undone as one
// step.
void FollowWithAttachments(const HistoryControls& controls, WindowUndo& undo);

}  // namespace terrovane::history
