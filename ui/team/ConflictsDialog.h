#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <vector>

#include "Archive.h"
#include "Conflicts.h"

namespace terrovane::teamui {

// The archive's conflict list: each field changed in two places, the value in force ("this") and the one
// that lost ("that"), who changed each and when. Keep this takes the entry off the list; Keep that makes
// the lost value a change of this PC, which wins everywhere with the next sync.
class ConflictsDialog : public QDialog {
    Q_OBJECT

  public:
    ConflictsDialog(archive::Archive& archive, QWidget* parent = nullptr);

    QTableWidget& List() const { return *list_; }
    QPushButton& KeepThisButton() const { return *keepThis_; }
    QPushButton& KeepThatButton() const { return *keepThat_; }
    QLabel& Status() const { return *status_; }

    // Reads the list again (after a sync, or a change elsewhere), keeping the chosen entry where it stays.
    void Reload();

  protected:
    void showEvent(QShowEvent* event) override;

  signals:
    // A conflict was settled: the archive changed.
    void Settled();

  private:
    void Keep(sync::Keep keep);
    void ShowChoice();

    archive::Archive& archive_;
    std::vector<sync::Conflict> conflicts_;
    QTableWidget* list_ = nullptr;
    QPushButton* keepThis_ = nullptr;
    QPushButton* keepThat_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace terrovane::teamui
