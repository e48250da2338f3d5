#pragma once

class QSettings;

namespace terrovane::platform {

// Whether accepted read-outs go into the archive: "Archive/Enabled" in the main program's settings, on
// unless turned off in the History window. The window and the command line keep to the same value.
bool ArchivingEnabledIn(const QSettings& settings);
void SetArchivingEnabledIn(QSettings& settings, bool enabled);

}  // namespace terrovane::platform
