#pragma once

namespace terrovane::history {

// Whether accepted read-outs go into the archive: the program's setting "Archive/Enabled" (on unless
// turned off in the History window).
bool ArchivingEnabled();
void SetArchivingEnabled(bool enabled);

}  // namespace terrovane::history
