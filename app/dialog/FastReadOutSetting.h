#pragma once

class QSettings;

namespace terrovane::app {

// Whether the main window reads the instrument with the fast read-out: "Link/FastReadOut" in the main
// program's settings, off unless the user turned it on.
bool FastReadOutIn(const QSettings& settings);
void SetFastReadOutIn(QSettings& settings, bool fast);

}  // namespace terrovane::app
