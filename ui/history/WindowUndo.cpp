// The archive window's undo: its changes kept on a stack while it is open, each undone and redone through
// the archive's own functions.
#include "WindowUndo.h"

#include <QMenu>
#include <QMenuBar>

#include "ArchiveFailure.h"
#include "DeletionSnapshot.h"
#include "HistoryWindow.h"
#include "ReportPhotos.h"
#include "Sites.h"
#include "TypedResults.h"

namespace terrovane::history {

void WindowUndo::Build(QMenuBar* bar) {
    undo_ = new QUndoStack(controls_.window);
    QMenu* menu = bar->addMenu(HistoryWindow::tr("&Edit"));
    QAction* undo = undo_->createUndoAction(controls_.window, HistoryWindow::tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = undo_->createRedoAction(controls_.window, HistoryWindow::tr("&Redo"));
    // Both of the usual keys, whatever the desktop's own choice.
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        menu->addAction(action);
        controls_.window->addAction(action);
    }
    menu->setEnabled(controls_.archive != nullptr);
}

void WindowUndo::Remember(const QString& text, ArchiveCommand::Step undo, ArchiveCommand::Step redo) {
    undo_->push(new ArchiveCommand(
        text, std::move(undo), std::move(redo),
        [this](const std::string& error) {
            SayArchiveFailure(HistoryWindow::tr("The change could not be undone or redone."),
                              *controls_.archive, error);
        },
        [this] { controls_.window->Refresh(); }));
}

ResultPoints WindowUndo::PointsOf(const std::vector<std::int64_t>& ids) {
    ResultPoints points;
    for (const std::int64_t id : ids) {
        std::string error;
        const auto row = controls_.archive->Result(id, error);
        points.emplace_back(id, row ? row->point : std::nullopt);
    }
    return points;
}

void WindowUndo::RememberSite(const QString& text, std::int64_t id, const archive::SiteFields& before,
                              const archive::SiteFields& after) {
    Remember(
        text,
        [this, id, before](std::string& error) {
            return archive::UpdateSite(*controls_.archive, id, before, error);
        },
        [this, id, after](std::string& error) {
            return archive::UpdateSite(*controls_.archive, id, after, error);
        });
}

void WindowUndo::RememberPoint(const QString& text, std::int64_t id, const archive::PointFields& before,
                               const archive::PointFields& after) {
    Remember(
        text,
        [this, id, before](std::string& error) {
            return archive::UpdatePoint(*controls_.archive, id, before, error);
        },
        [this, id, after](std::string& error) {
            return archive::UpdatePoint(*controls_.archive, id, after, error);
        });
}

// A typed result never changes: its correction undone is one more version with the values it had
// before, and redone one with the values of the correction, each in its history.
void WindowUndo::RememberCorrection(std::int64_t made, const archive::TypedResultFields& before,
                                    const archive::TypedResultFields& after) {
    auto newest = std::make_shared<std::int64_t>(made);
    const auto correct = [this, newest](archive::TypedResultFields fields, std::string& error) {
        fields.typedBy = archive::TypingAccount();
        const auto stored = archive::CorrectTypedResult(*controls_.archive, *newest, fields);
        if (!stored) {
            error = stored.Error().Text();
            return false;
        }
        *newest = stored.Value();
        return true;
    };
    Remember(
        HistoryWindow::tr("Correct typed result"),
        [correct, before](std::string& error) { return correct(before, error); },
        [correct, after](std::string& error) { return correct(after, error); });
}

// Undone, the deletion puts back what it removed; redone, the site or point (under the id it came back
// with) is deleted again, what goes with it taken anew. While undone, nothing is kept but that id.
void WindowUndo::RememberDeletion(const QString& text, archive::DeletionSnapshot snapshot) {
    auto kept = std::make_shared<archive::DeletionSnapshot>(std::move(snapshot));
    Remember(
        text,
        [this, kept](std::string& error) {
            const archive::Result<std::int64_t> restored =
                archive::RestoreDeletion(*controls_.archive, *kept);
            if (!restored) {
                error = restored.Error().Text();
                return false;
            }
            *kept = archive::DeletionSnapshot{kept->of, restored.Value(), {}, {}, {}, {}};
            return true;
        },
        [this, kept](std::string& error) {
            archive::Result<archive::DeletionSnapshot> deleted =
                kept->of == archive::DeletionSnapshot::Of::Site
                    ? archive::DeleteSiteKeepingSnapshot(*controls_.archive, kept->id)
                    : archive::DeletePointKeepingSnapshot(*controls_.archive, kept->id);
            if (!deleted) {
                error = deleted.Error().Text();
                return false;
            }
            *kept = std::move(deleted).Value();
            return true;
        });
}

void WindowUndo::RememberReportPhoto(std::int64_t attachment, bool inReport) {
    const auto choose = [this, attachment](bool in, std::string& error) {
        if (const archive::Status done = archive::ChooseForReport(*controls_.archive, attachment, in);
            !done) {
            error = done.Error().Text();
            return false;
        }
        return true;
    };
    Remember(
        inReport ? HistoryWindow::tr("Put photo in site report")
                 : HistoryWindow::tr("Take photo out of site report"),
        [choose, inReport](std::string& error) { return choose(!inReport, error); },
        [choose, inReport](std::string& error) { return choose(inReport, error); });
}

}  // namespace terrovane::history
