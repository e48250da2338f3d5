#pragma once

#include <QString>
#include <QUndoStack>

#include <cstdint>
#include <vector>

#include "ArchiveUndo.h"
#include "DeletionSnapshot.h"
#include "HistoryControls.h"
#include "SiteTypes.h"
#include "TypedResults.h"

class QMenuBar;

namespace terrovane::history {

// Rename, delete, assign, properties and typed-result corrections made in the archive window, undone with
// Ctrl+Z and redone with Ctrl+Shift+Z while it is open.
class WindowUndo {
  public:
    explicit WindowUndo(HistoryControls& controls) : controls_(controls) {}

    // The Edit menu with Undo and Redo, their keys working anywhere in the window.
    void Build(QMenuBar* bar);
    QUndoStack& UndoStack() const { return *undo_; }

    // Puts a change just made on the undo stack, with the steps that undo and redo it.
    void Remember(const QString& text, ArchiveCommand::Step undo, ArchiveCommand::Step redo);
    // The results' points now (unset: unassigned), for an assignment's undo.
    ResultPoints PointsOf(const std::vector<std::int64_t>& ids);
    void RememberSite(const QString& text, std::int64_t id, const archive::SiteFields& before,
                      const archive::SiteFields& after);
    void RememberPoint(const QString& text, std::int64_t id, const archive::PointFields& before,
                       const archive::PointFields& after);
    void RememberReportPhoto(std::int64_t attachment, bool inReport);
    void RememberCorrection(std::int64_t made, const archive::TypedResultFields& before,
                            const archive::TypedResultFields& after);
    // A site or point just deleted, with what its deletion removed.
    void RememberDeletion(const QString& text, archive::DeletionSnapshot snapshot);

  private:
    HistoryControls& controls_;
    QUndoStack* undo_ = nullptr;
};

}  // namespace terrovane::history
