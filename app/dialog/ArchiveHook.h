#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>

#include "Archive.h"
#include "ArchiveSetting.h"

namespace terrovane::app {

class CTesterDlg;

// Keeps every read-out the main window accepts in the archive, right after it was accepted. A failure
// to archive is said once, in one message, and never holds up or undoes the read-out.
class ArchiveHook : public QObject {
    Q_OBJECT

  public:
    explicit ArchiveHook(CTesterDlg& dialog);
    ~ArchiveHook() override;

    // The archive, opened on first use; nullptr when it cannot be opened (`Problem` says why).
    archive::Archive* Archive();
    const std::string& Problem() const { return problem_; }

    // Stores the read-out now in the window's buffer, unless archiving is turned off.
    void ArchiveAcceptedReadOut();

    // Whether the results on screen are in the archive: the last accepted read-out was stored, or they
    // were opened from the archive. False before any read-out, with archiving off, or after a failure.
    bool ShownReadOutArchived() const { return shownReadOutArchived_; }
    // The window now shows a read-out opened from the archive.
    void ShowingArchivedReadOut() { shownReadOutArchived_ = true; }

    // Whether archiving is on: the program's setting; tests that run side by side answer it themselves.
    std::function<bool()> enabled = history::ArchivingEnabled;

  signals:
    // A read-out went into the archive.
    void Archived(qint64 readoutId);

  private:
    void OnExchangeEnded(bool accepted);

    CTesterDlg& dialog_;
    std::unique_ptr<archive::Archive> archive_;
    std::string problem_;
    bool shownReadOutArchived_ = false;
};

}  // namespace terrovane::app
