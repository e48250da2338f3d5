#pragma once

#include <string>

namespace terrovane::archive {

// Where the archive lives: $TERROVANE_ARCHIVE, else $XDG_DATA_HOME/Terrovane/archive.sqlite, else
// ~/.local/share/Terrovane/archive.sqlite.
std::string DefaultArchivePath();

// Makes the archive's folder (0700 when this creates it) and the file itself (0600, or narrowed to 0600
// when it is wider). Refuses a folder of another user or one that others may write to, and a path that is
// a symbolic link or anything but a regular file. False with a reason in `error`.
[[nodiscard]] bool PrepareArchiveFile(const std::string& path, std::string& error);

// False when the file at `path` has content that does not begin like an SQLite database. Checked before
// SQLite opens it, because closing such a file would remove the journal files beside it.
bool LooksLikeDatabase(const std::string& path);

// Moves a damaged archive and its journal files aside under "<path>.corrupt-YYYYMMDD-HHMMSS[-n]", never
// over an existing file. Returns the new name of the archive, or "" with `error` set.
std::string MoveAside(const std::string& path, std::string& error);

}  // namespace terrovane::archive
