#pragma once

class QFileDialog;
class QString;
class QWidget;

namespace terrovane::filedialog {

// Makes `dialog` show a folder without opening any file in it: Qt's own dialog instead of the desktop's
// (which runs in this process too and sniffs contents), with icons and types taken from the names alone.
// Every descriptor the process closes on a file drops the process's record locks on it, and the archive
// beside the files the user saves relies on SQLite's locks while it is being written.
void KeepOutOfFileContents(QFileDialog& dialog);

// Asks for a file to save under `title`, in a dialog set up as above; empty when the user cancels. A name
// without one of the offered types' extensions gets the chosen type's.
QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filters);

// `path` as it is when it ends in an extension one of `filters` (";;"-separated, "Name (*.ext *.ext2)")
// offers, in any case; otherwise with the first extension of `chosenFilter` added.
QString WithChosenExtension(const QString& path, const QString& filters, const QString& chosenFilter);

}  // namespace terrovane::filedialog
