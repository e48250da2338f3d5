#include "ReportPhotoChoice.h"

#include "ArchiveProblemText.h"
#include "ReportPhotos.h"

namespace terrovane::history {

ReportPhotoChoice::ReportPhotoChoice(archive::Archive* archive, QWidget* parent)
    : QCheckBox(tr("In the site report"), parent), archive_(archive) {
    setToolTip(tr("Print the chosen photo with its caption in the site report"));
    // Only a person's click chooses; following the strip sets the box without storing anything.
    connect(this, &QCheckBox::clicked, this, &ReportPhotoChoice::Choose);
    Follow(std::nullopt);
}

void ReportPhotoChoice::Reload() {
    if (archive_ == nullptr) {
        return;
    }
    const auto chosen = archive::ChosenForReport(*archive_);
    if (!chosen) {
        emit Problem(texts::FailureText(chosen.Error()));
        return;
    }
    chosen_ = chosen.Value();
}

void ReportPhotoChoice::Follow(const std::optional<archive::AttachmentRow>& attachment) {
    const bool photo = attachment && attachment->kind != archive::AttachmentKind::Pdf;
    followed_ = photo ? std::optional<std::int64_t>(attachment->id) : std::nullopt;
    setEnabled(photo && archive_ != nullptr);
    setChecked(photo && InReport(attachment->id));
}

void ReportPhotoChoice::Choose(bool inReport) {
    if (!followed_) {
        return;
    }
    const std::int64_t attachment = *followed_;
    if (const archive::Status done = archive::ChooseForReport(*archive_, attachment, inReport); !done) {
        setChecked(!inReport);  // the box says what the archive holds
        emit Problem(texts::FailureText(done.Error()));
        return;
    }
    if (inReport) {
        chosen_.insert(attachment);
    } else {
        chosen_.erase(attachment);
    }
    emit Problem(QString());
    emit Changed(attachment);
    emit Chosen(attachment, inReport);
}

}  // namespace terrovane::history
