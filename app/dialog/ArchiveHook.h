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

    // Stores the read-out now in the window's buffer, read through `port`, unless archiving is turned off.
    void ArchiveAcceptedReadOut(const std::string& port);
    // The window now shows a read-out opened from the archive.
    void ShowingArchivedReadOut() { shownArchived_ = true; }
    // Whether the results on screen are kept in the archive: false before any read-out, and after one
    // that was not archived (archiving turned off, or the archive failed).
    bool ShownReadOutArchived() const;

    // Whether archiving is on: the program's setting; tests that run side by side answer it themselves.
    std::function<bool()> enabled = history::ArchivingEnabled;

  signals:
    // A read-out went into the archive.
    void Archived(qint64 readoutId);

  private:
    CTesterDlg& dialog_;
    std::unique_ptr<archive::Archive> archive_;
    std::string problem_;
    bool shownArchived_ = false;
};

}  // namespace terrovane::app
