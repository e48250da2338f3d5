#pragma once

class QFileDialog;

namespace terrovane::filedialog {

// Makes `dialog` show a folder without opening any file in it: Qt's own dialog instead of the desktop's
// (which runs in this process too and sniffs contents), with icons and types taken from the names alone.
// Every descriptor the process closes on a file drops the process's record locks on it, and the archive
// beside the files the user saves relies on SQLite's locks while it is being written.
void KeepOutOfFileContents(QFileDialog& dialog);

}  // namespace terrovane::filedialog
