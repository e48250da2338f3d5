#pragma once

#include "HistoryControls.h"

namespace terrovane::history {

class ArchiveWatch;

// The archive window read again without losing the user's place, after a change made there, elsewhere in
// the program, or (through the watch on the archive file) by another program.
class LiveRefresh {
  public:
    explicit LiveRefresh(HistoryControls& controls) : controls_(controls) {}

    // Watches the archive file: another program's change reads the window again.
    void WatchArchive();
    // Reads the tree and the list again, keeping the chosen entry, the selected results and where both
    // were scrolled to.
    void ReadAgain();

  private:
    HistoryControls& controls_;
    ArchiveWatch* watch_ = nullptr;
};

}  // namespace terrovane::history
