#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>

#include "AcceptStep.h"
#include "Archive.h"
#include "ArchiveSetting.h"
#include "ReadOutState.h"

namespace terrovane::app {

// The main window's side of the accept step: every image it accepts (read from the instrument or opened
// from the archive) goes through Accept before the window shows it or says anything about it. A failure
// to archive is said once, in one message, and never holds up or undoes the read-out.
class ArchiveHook : public QObject {
    Q_OBJECT

  public:
    // `shown` is the read-out on screen, which a later read-out or an erase replaces.
    explicit ArchiveHook(const record::ReadOutState& shown);
    ~ArchiveHook() override;

    // The archive, opened on first use; nullptr when it cannot be opened (`Problem` says why).
    archive::Archive* Archive();
    const std::string& Problem() const { return problem_; }

    // Keeps the accepted image under the archiving policy; tells a failure.
    archive::KeptImage Accept(const archive::AcceptedImage& accepted);
    // Whether the results on screen are kept in the archive: false before any read-out, and after one
    // that was not archived (archiving turned off, or the archive failed).
    bool ShownReadOutArchived() const;

    // Whether archiving is on: the program's setting; tests that run side by side answer it themselves.
    std::function<bool()> enabled = history::ArchivingEnabled;

  signals:
    // A read-out went into the archive.
    void Archived(qint64 readoutId);

  private:
    const record::ReadOutState& shown_;
    std::unique_ptr<archive::Archive> archive_;
    std::string problem_;
    bool shownArchived_ = false;
};

}  // namespace terrovane::app
