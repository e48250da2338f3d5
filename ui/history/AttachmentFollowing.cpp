#include "AttachmentFollowing.h"

#include <QItemSelectionModel>

#include "HistoryWindow.h"

namespace terrovane::history {

void FollowWithAttachments(const HistoryControls& controls, WindowUndo& undo) {
    AttachmentStrip* attachments = controls.attachments;
    const auto showTreeChoice = [attachments](const TreeChoice& choice) {
        if (choice.kind == TreeChoice::Kind::Site) {
            attachments->Show(archive::AttachmentOwner{archive::AttachedTo::Site, choice.id});
        } else if (choice.kind == TreeChoice::Kind::Point) {
            attachments->Show(archive::AttachmentOwner{archive::AttachedTo::Point, choice.id});
        } else {
            attachments->Show(std::nullopt);
        }
    };
    QObject::connect(controls.tree, &SiteTree::Chosen, attachments, showTreeChoice);
    // One result chosen in the list shows its own; choosing several leaves the strip as it was.
    QObject::connect(
        controls.view->selectionModel(), &QItemSelectionModel::selectionChanged, attachments,
        [&controls, attachments] {
            const std::vector<int> rows = SelectedRows(controls);
            if (rows.size() == 1) {
                if (const archive::ResultRow* row = controls.model->RowAt(rows.front())) {
                    attachments->Show(archive::AttachmentOwner{archive::AttachedTo::Result, row->id});
                }
            }
        });
    QObject::connect(
        &controls.typed->List(), &QTreeWidget::currentItemChanged, attachments,
        [attachments](QTreeWidgetItem* item) {
            if (item != nullptr && !item->data(TypedResultsPane::kMeasured, Qt::UserRole).isNull()) {
                attachments->Show(archive::AttachmentOwner{
                    archive::AttachedTo::TypedResult,
                    item->data(TypedResultsPane::kMeasured, Qt::UserRole).toLongLong()});
            }
        });
    QObject::connect(controls.window, &HistoryWindow::Refreshed, attachments, &AttachmentStrip::Reload);
    QObject::connect(
        &attachments->InReport(), &ReportPhotoChoice::Chosen, controls.window,
        [&undo](std::int64_t attachment, bool inReport) { undo.RememberReportPhoto(attachment, inReport); });
    showTreeChoice(controls.tree->Current());
}

}  // namespace terrovane::history
