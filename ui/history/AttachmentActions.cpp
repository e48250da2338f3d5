// The archive window's strip of photos and documents follows what was chosen last.
#include <QItemSelectionModel>

#include "HistoryWindow.h"
#include "ReportPhotos.h"

namespace terrovane::history {

void HistoryWindow::FollowWithAttachments() {
    const auto showTreeChoice = [this](const TreeChoice& choice) {
        if (choice.kind == TreeChoice::Kind::Site) {
            attachments_->Show(archive::AttachmentOwner{archive::AttachedTo::Site, choice.id});
        } else if (choice.kind == TreeChoice::Kind::Point) {
            attachments_->Show(archive::AttachmentOwner{archive::AttachedTo::Point, choice.id});
        } else {
            attachments_->Show(std::nullopt);
        }
    };
    connect(tree_, &SiteTree::Chosen, attachments_, showTreeChoice);
    // One result chosen in the list shows its own; choosing several leaves the strip as it was.
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, attachments_, [this] {
        const std::vector<int> rows = SelectedRows();
        if (rows.size() == 1) {
            if (const archive::ResultRow* row = model_->RowAt(rows.front())) {
                attachments_->Show(archive::AttachmentOwner{archive::AttachedTo::Result, row->id});
            }
        }
    });
    connect(&typed_->List(), &QTreeWidget::currentItemChanged, attachments_, [this](QTreeWidgetItem* item) {
        if (item != nullptr && !item->data(TypedResultsPane::kMeasured, Qt::UserRole).isNull()) {
            attachments_->Show(
                archive::AttachmentOwner{archive::AttachedTo::TypedResult,
                                         item->data(TypedResultsPane::kMeasured, Qt::UserRole).toLongLong()});
        }
    });
    connect(this, &HistoryWindow::Refreshed, attachments_, &AttachmentStrip::Reload);
    connect(&attachments_->InReport(), &ReportPhotoChoice::Chosen, this, &HistoryWindow::RememberReportPhoto);
    showTreeChoice(tree_->Current());
}

void HistoryWindow::RememberReportPhoto(std::int64_t attachment, bool inReport) {
    const auto choose = [this, attachment](bool in, std::string& error) {
        if (const archive::Status done = archive::ChooseForReport(*archive_, attachment, in); !done) {
            error = done.Error().Text();
            return false;
        }
        return true;
    };
    Remember(
        inReport ? tr("Put photo in site report") : tr("Take photo out of site report"),
        [choose, inReport](std::string& error) { return choose(!inReport, error); },
        [choose, inReport](std::string& error) { return choose(inReport, error); });
}

}  // namespace terrovane::history
