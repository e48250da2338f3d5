#pragma once

#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include <functional>

#include "Archive.h"
#include "SiteTree.h"
#include "TypedResultDialog.h"

namespace terrovane::history {

// The results typed by hand at the entry chosen in the tree, below the read-outs' results: each newest
// version with its verdict, instrument and who measured and typed it, its earlier versions beneath it.
// "New result..." types one in (at the chosen point, or one chosen in the dialog), "Correct..." stores a
// correction of the chosen one as a new version.
class TypedResultsPane : public QWidget {
    Q_OBJECT

  public:
    enum Column { kMeasured, kPoint, kMethod, kValues, kVerdict, kInstrument, kBy, kTypedBy, kColumns };

    explicit TypedResultsPane(archive::Archive* archive, QWidget* parent = nullptr);

    QTreeWidget& List() const { return *list_; }
    // Reads the typed results of this choice.
    void Show(const TreeChoice& choice);
    void Reload() { Show(choice_); }
    // Words searched in the window narrow the list as they narrow the tree and the results (empty: none).
    void SetSearch(const std::string& words);

    void NewResult();
    void CorrectChosen();
    // Called once the dialog is up (tests work it as a user would); the dialog runs modally otherwise.
    std::function<void(TypedResultDialog&)> dialogShown;
    // Told of each correction stored: the version it made, and the fields before and after (for undo).
    std::function<void(std::int64_t made, const archive::TypedResultFields& before,
                       const archive::TypedResultFields& after)>
        corrected;

  signals:
    // A typed result was stored: the tree's last tests and due dates change.
    void Changed();

  private:
    void RunDialog(TypedResultDialog& dialog);
    std::vector<PointOffer> Points();
    QTreeWidgetItem* Item(const archive::TypedResultVersion& version, QTreeWidgetItem* parent);

    archive::Archive* archive_;
    TreeChoice choice_;
    std::string search_;
    QTreeWidget* list_ = nullptr;
    QPushButton* correct_ = nullptr;
};

}  // namespace terrovane::history
