// The archive window's assignment of the selected results to test points and visits.
#include "ResultAssignment.h"

#include <QTimer>

#include <algorithm>

#include "ArchiveFailure.h"
#include "HistoryWindow.h"
#include "MessageBox.h"
#include "Sites.h"
#include "Visits.h"

namespace terrovane::history {
namespace {

constexpr const char* kChooseResultsToAssign =
    QT_TRANSLATE_NOOP("Messages", "Choose one or more results in the list first.");

}  // namespace

void ResultAssignment::AssignSelected() {
    std::vector<int> rows = SelectedRows(controls_);
    if (rows.empty()) {
        return platform::Alert(kChooseResultsToAssign);
    }
    // A campaign's run goes to the points in the order it was measured: read-out, then slot.
    std::sort(rows.begin(), rows.end(), [this](int a, int b) {
        const archive::ResultRow* left = controls_.model->RowAt(a);
        const archive::ResultRow* right = controls_.model->RowAt(b);
        return std::pair(left->readout, left->slot) < std::pair(right->readout, right->slot);
    });
    std::vector<std::int64_t> ids;
    for (int row : rows) {
        ids.push_back(controls_.model->RowAt(row)->id);
    }
    const ResultPoints before = undo_.PointsOf(ids);
    const auto assign = [this, &ids](const AssignChoice& choice, std::string& error) {
        return AssignResults(ids, choice, error);
    };
    bool done = false;
    if (assignChooser) {
        if (const std::optional<AssignChoice> choice = assignChooser(static_cast<int>(rows.size()))) {
            std::string error;
            done = assign(*choice, error);
            if (!done) {
                SayArchiveFailure(HistoryWindow::tr("The results could not be assigned."), *controls_.archive,
                                  error);
            }
        }
    } else {
        AssignDialog dialog(*controls_.archive, static_cast<int>(rows.size()), controls_.window);
        dialog.OfferVisitsOf(ids);
        dialog.assign = assign;
        if (assignDialogShown) {
            QTimer::singleShot(0, &dialog, [this, &dialog] { assignDialogShown(dialog); });
        }
        done = dialog.exec() == QDialog::Accepted;
    }
    if (done) {
        const int assigned = static_cast<int>(ids.size());
        controls_.status->setText(HistoryWindow::tr("%n result(s) assigned", nullptr, assigned));
        undo_.Remember(
            HistoryWindow::tr("Assign %n result(s)", nullptr, assigned),
            [this, before](std::string& error) { return AssignEach(*controls_.archive, before, error); },
            [this, after = undo_.PointsOf(ids)](std::string& error) {
                return AssignEach(*controls_.archive, after, error);
            });
    }
    controls_.tree->Reload(controls_.archive);
    controls_.model->Reload();
}

bool ResultAssignment::AssignResults(const std::vector<std::int64_t>& ids, const AssignChoice& choice,
                                     std::string& error) {
    // In one unit of work: results never end up at the point but, refused, outside the visit offered.
    return controls_.archive->Write(
        [&](archive::Database&, std::string& why) { return AssignInOneUnit(ids, choice, why); }, error);
}

bool ResultAssignment::AssignInOneUnit(const std::vector<std::int64_t>& ids, const AssignChoice& choice,
                                       std::string& error) {
    if (!choice.inOrder) {
        if (!archive::Assign(*controls_.archive, ids, choice.point, error)) {
            return false;
        }
    } else {
        std::vector<archive::PointRow> points;
        if (!archive::Points(*controls_.archive, choice.site, points, error)) {
            return false;
        }
        const auto first = std::find_if(points.begin(), points.end(), [&](const archive::PointRow& point) {
            return point.id == choice.point;
        });
        if (!archive::AssignInOrder(*controls_.archive, ids, choice.site,
                                    static_cast<int>(first - points.begin()), error)) {
            return false;
        }
    }
    if (choice.visit != 0) {
        if (const archive::Result<int> joined =
                archive::AssignDayToVisit(*controls_.archive, ids, choice.visit);
            !joined) {
            error = joined.Error().Text();
            return false;
        }
    }
    return true;
}

}  // namespace terrovane::history
