// The visits pane's new, edit, delete and add results.
#include "VisitEdits.h"

#include <QTimer>

#include "ArchiveFailure.h"
#include "MessageBox.h"
#include "SiteVisitList.h"
#include "Visits.h"
#include "VisitsPane.h"

namespace terrovane::history {

void VisitEdits::RunDialog(VisitDialog& dialog) {
    if (dialogShown) {
        QTimer::singleShot(0, &dialog, [this, &dialog] { dialogShown(dialog); });
    }
    if (dialog.exec() == QDialog::Accepted) {
        pane_.Reload();
        visits_.Choose(dialog.StoredId());
        emit pane_.Changed();
    }
}

void VisitEdits::NewVisit() {
    if (archive_ == nullptr || visits_.Site() == 0) {
        return;
    }
    archive::Visit start;
    start.site = visits_.Site();
    VisitDialog dialog(
        visits_.SiteName(), start,
        [this](const archive::Visit& visit) { return archive::AddVisit(*archive_, visit); }, &pane_);
    RunDialog(dialog);
}

void VisitEdits::EditChosen() {
    const std::int64_t id = visits_.Chosen();
    if (archive_ == nullptr || id == 0) {
        return;
    }
    const auto visit = archive::VisitById(*archive_, id);
    if (!visit) {
        SayArchiveFailure(VisitsPane::tr("The visit could not be read."), *archive_, visit.Error().Text());
        return pane_.Reload();
    }
    VisitDialog dialog(
        visits_.SiteName(), visit.Value(),
        [this](const archive::Visit& fields) -> archive::Result<std::int64_t> {
            if (const archive::Status saved = archive::UpdateVisit(*archive_, fields); !saved) {
                return saved.Error();
            }
            return fields.id;
        },
        &pane_);
    RunDialog(dialog);
}

void VisitEdits::DeleteChosen() {
    const std::int64_t id = visits_.Chosen();
    if (archive_ == nullptr || id == 0 ||
        !platform::AskBeforeDeleting(
            QT_TRANSLATE_NOOP(
                "Messages",
                "Delete the visit of %1? Its results stay in the archive with their test points."),
            {visits_.Tree().currentItem()->text(SiteVisitList::kDate).toStdString()})) {
        return;
    }
    if (const archive::Status removed = archive::DeleteVisit(*archive_, id); !removed) {
        SayArchiveFailure(VisitsPane::tr("The visit could not be deleted."), *archive_,
                          removed.Error().Text());
    }
    pane_.Reload();
    emit pane_.Changed();
}

void VisitEdits::AddSelectedResults() {
    const std::int64_t id = visits_.Chosen();
    const std::vector<std::int64_t> results =
        pane_.selectedResults ? pane_.selectedResults() : std::vector<std::int64_t>{};
    const std::vector<std::int64_t> typed =
        pane_.selectedTypedResults ? pane_.selectedTypedResults() : std::vector<std::int64_t>{};
    if (archive_ == nullptr || id == 0) {
        return;
    }
    if (results.empty() && typed.empty()) {
        return platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "Choose one or more results in the list first."));
    }
    archive::Status added = archive::AssignToVisit(*archive_, results, id);
    if (added) {
        added = archive::AssignTypedToVisit(*archive_, typed, id);
    }
    if (!added) {
        SayArchiveFailure(VisitsPane::tr("The results could not be added to the visit."), *archive_,
                          added.Error().Text());
        return;
    }
    pane_.Reload();
    emit pane_.Changed();
}

}  // namespace terrovane::history
