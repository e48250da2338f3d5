#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include <functional>
#include <vector>

#include "Archive.h"
#include "SiteTree.h"
#include "SiteVisitList.h"
#include "VisitEdits.h"

namespace terrovane::history {

// The visits of the site chosen in the tree (or of the chosen point's site), oldest first, under the tree:
// each with its date, who, instruments (one past its calibration due date marked), conditions and the
// number of its results. "New visit..." and "Edit..." open the visit's dialog, "Delete" removes it (its
// results stay with their points) and "Add results" puts the results selected in the list into the chosen
// visit.
class VisitsPane : public QWidget {
    Q_OBJECT

  public:
    using enum SiteVisitList::Column;

    explicit VisitsPane(archive::Archive* archive, QWidget* parent = nullptr);

    QTreeWidget& List() const { return visits_.Tree(); }
    QPushButton& NewButton() const { return *add_; }
    QPushButton& EditButton() const { return *edit_; }
    QPushButton& DeleteButton() const { return *delete_; }
    QPushButton& AddResultsButton() const { return *addResults_; }
    // Reads the visits of this choice's site.
    void Show(const TreeChoice& choice);
    void Reload() { Show(choice_); }
    // New, edit and delete of a visit, and adding results to it.
    VisitEdits& Edits() { return edits_; }

    // The ids of the results selected in the window's list, and of the typed result chosen below it.
    std::function<std::vector<std::int64_t>()> selectedResults;
    std::function<std::vector<std::int64_t>()> selectedTypedResults;

  signals:
    // A visit was made, changed or deleted, or results joined one.
    void Changed();

  private:
    void UpdateButtons();

    archive::Archive* archive_;
    TreeChoice choice_;
    QLabel* title_ = nullptr;
    SiteVisitList visits_;
    QPushButton* add_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* addResults_ = nullptr;
    VisitEdits edits_{*this, archive_, visits_};
};

}  // namespace terrovane::history
