#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <optional>
#include <vector>

#include "Archive.h"
#include "AssignNewEntries.h"
#include "AssignVisitOffer.h"

namespace terrovane::history {

// Where the chosen results go: one test point, or the site's points in order from that one on.
struct AssignChoice {
    std::int64_t site = 0;
    std::int64_t point = 0;
    bool inOrder = false;
    std::int64_t visit = 0;  // a visit of the site the results measured on its day join too; 0 for none
};

// The assignment step: a site, one of its test points (either may be made on the spot) and whether the
// results go one per point in the order of measuring. Assign is enabled once a point is chosen; when the
// assignment fails the dialog stays open with its choices and says what to change.
class AssignDialog : public QDialog {
    Q_OBJECT

  public:
    AssignDialog(archive::Archive& archive, int results, QWidget* parent = nullptr);

    std::optional<AssignChoice> Choice() const;
    QComboBox& SiteChoice() const { return *site_; }
    QComboBox& PointChoice() const { return *point_; }
    QCheckBox& InOrder() const { return *inOrder_; }
    // The open visit: shown when the chosen site has a visit dated on a day the results were measured,
    // and then ticked.
    QCheckBox& VisitOffer() const { return visitOffer_.Box(); }
    // The results being assigned, whose measuring days find the visit to offer.
    void OfferVisitsOf(const std::vector<std::int64_t>& results);
    QPushButton& AssignButton() const { return *ok_; }
    QLabel& Problem() const { return *problem_; }
    // New site... and New test point..., or a site or point made by name.
    AssignNewEntries& NewEntries() { return newEntries_; }

    // Carries the choice out; false with the reason. Without it the dialog only returns the choice.
    std::function<bool(const AssignChoice& choice, std::string& error)> assign;

    // The sites, and the chosen site's test points, read again with this one chosen (0 for the first).
    void FillSites(std::int64_t chosen);
    void FillPoints(std::int64_t chosen);

  private:
    void UpdateAssignButton();
    void ShowProblem(const QString& text);
    // Assigns and closes, or shows why not and stays.
    void TryAssign();

    archive::Archive& archive_;
    QComboBox* site_ = nullptr;
    QComboBox* point_ = nullptr;
    QCheckBox* inOrder_ = nullptr;
    AssignVisitOffer visitOffer_{archive_};
    AssignNewEntries newEntries_{*this, archive_};
    QPushButton* ok_ = nullptr;
    QLabel* problem_ = nullptr;
};

}  // namespace terrovane::history
