#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include <functional>
#include <vector>

#include "Archive.h"
#include "SiteTree.h"
#include "VisitDialog.h"

namespace terrovane::history {

// The visits of the site chosen in the tree (or of the chosen point's site), oldest first, under the tree:
// each with its date, who, instruments (one past its calibration due date marked), conditions and the
// number of its results. "New visit..." and "Edit..." open the visit's dialog, "Delete" removes it (its
// results stay with their points) and "Add results" puts the results selected in the list into the chosen
// visit.
class VisitsPane : public QWidget {
    Q_OBJECT

  public:
    enum Column { kDate, kBy, kInstruments, kConditions, kResults, kColumns };

    explicit VisitsPane(archive::Archive* archive, QWidget* parent = nullptr);

    QTreeWidget& List() const { return *list_; }
    QPushButton& NewButton() const { return *add_; }
    QPushButton& EditButton() const { return *edit_; }
    QPushButton& DeleteButton() const { return *delete_; }
    QPushButton& AddResultsButton() const { return *addResults_; }
    // Reads the visits of this choice's site.
    void Show(const TreeChoice& choice);
    void Reload() { Show(choice_); }

    void NewVisit();
    void EditChosen();
    void DeleteChosen();
    void AddSelectedResults();
    // The ids of the results selected in the window's list, and of the typed result chosen below it.
    std::function<std::vector<std::int64_t>()> selectedResults;
    std::function<std::vector<std::int64_t>()> selectedTypedResults;
    // Called once the dialog is up (tests work it as a user would); the dialog runs modally otherwise.
    std::function<void(VisitDialog&)> dialogShown;

  signals:
    // A visit was made, changed or deleted, or results joined one.
    void Changed();

  private:
    void RunDialog(VisitDialog& dialog);
    std::int64_t ChosenVisit() const;
    void UpdateButtons();

    archive::Archive* archive_;
    TreeChoice choice_;
    std::int64_t site_ = 0;
    QString siteName_;
    QLabel* title_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* addResults_ = nullptr;
};

}  // namespace terrovane::history
