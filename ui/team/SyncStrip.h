#pragma once

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include "Archive.h"
#include "ConflictsDialog.h"
#include "TeamSession.h"

namespace terrovane::teamui {

// The archive window's line about the team: when it last synced, how many changes wait to be sent, and
// Conflicts... with their number. It follows the session's syncs and the archive's changes.
class SyncStrip : public QWidget {
    Q_OBJECT

  public:
    SyncStrip(archive::Archive& archive, TeamSession& session, QWidget* parent = nullptr);

    QLabel& Summary() const { return *summary_; }
    QPushButton& ConflictsButton() const { return *conflictsButton_; }
    // The conflicts dialog while it is open; null otherwise.
    ConflictsDialog* Conflicts() const { return conflicts_.data(); }

    // Counts again what waits and what is in conflict.
    void Refresh();
    void ShowConflicts();

  private:
    archive::Archive& archive_;
    TeamSession& session_;
    QLabel* summary_ = nullptr;
    QPushButton* conflictsButton_ = nullptr;
    QPointer<ConflictsDialog> conflicts_;
};

}  // namespace terrovane::teamui
