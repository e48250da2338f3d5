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

    // Whether archiving is on: the program's setting; tests that run side by side answer it themselves.
    std::function<bool()> enabled = history::ArchivingEnabled;

  signals:
    // A read-out went into the archive.
    void Archived(qint64 readoutId);

  private:
    CTesterDlg& dialog_;
    std::unique_ptr<archive::Archive> archive_;
    std::string problem_;
};

}  // namespace terrovane::app
