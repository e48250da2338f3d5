#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QTableView>
#include <QUndoStack>
#include <QWidget>

#include <memory>

#include "AnalysisWindows.h"
#include "CampaignSetup.h"
#include "HistoryControls.h"
#include "HistoryModel.h"
#include "HistorySearch.h"
#include "ResultActions.h"
#include "ResultAssignment.h"
#include "ResultFilters.h"
#include "SiteReporting.h"
#include "SiteTree.h"
#include "TreeEntryEdits.h"
#include "TypedResultsPane.h"
#include "VisitsPane.h"
#include "WindowUndo.h"

namespace terrovane::history {

// The archive window: the sites and their test points beside the archive's results, newest first, with
// each result's verdict; filters by measuring date, mode and label, the assignment of results to test
// points, label and note editing for a result or its read-out, "Open read-out", export of the chosen
// results, a trend of one label or point, and the setting that keeps new read-outs out of the archive.
// Each concern is a part of its own; the window makes the controls, owns the parts and wires them.
class HistoryWindow : public QWidget {
    Q_OBJECT

  public:
    // The archive may be absent; `problem` then says why, in the window.
    HistoryWindow(archive::Archive* archive, const QString& problem, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    HistoryModel& Model() const;
    QTableView& View() const;
    QLabel& Status() const;
    SiteTree& Tree() const;
    TypedResultsPane& Typed() const;
    AttachmentStrip& Attachments() const;
    VisitsPane& Visits() const;
    QCheckBox& KeepReadOuts() const;

    ResultFilters& Filters() const;
    HistorySearch& Search() const;
    WindowUndo& Undo() const;
    ResultActions& Results() const;
    ResultAssignment& Assignment() const;
    TreeEntryEdits& Edits() const;
    CampaignSetup& Campaign() const;
    SiteReporting& Reporting() const;
    AnalysisWindows& Analyses() const;

    // Loads every result under the filter and selects them all.
    void SelectAll();
    // Reads the tree and the list again, keeping the chosen entry, the selected results and where both
    // were scrolled to: after a change made here, elsewhere in the program, or (through the watch on the
    // archive file) by another program.
    void Refresh();
    // Puts a line of another part of the program (the team's sync state) at the window's foot.
    void AddFooter(QWidget* footer);

  protected:
    // Ctrl+A in the list selects every result under the filter, not only the page loaded so far.
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    // The user asked to load this read-out's image into the main window.
    void OpenReadOut(qint64 readoutId);
    // The window read the archive again.
    void Refreshed();

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace terrovane::history
