#include "AttachmentStrip.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMimeData>
#include <QUrl>
#include <QVBoxLayout>

#include "ArchiveProblemText.h"
#include "AttachmentOwners.h"
#include "FlowLayout.h"
#include "Inspect.h"

namespace terrovane::history {

AttachmentStrip::AttachmentStrip(archive::Archive* archive, QWidget* parent)
    : QWidget(parent), archive_(archive) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The title and the buttons wrap onto further rows in a narrow window rather than widen it.
    auto* head = new screenfit::FlowLayout;
    title_ = new QLabel(this);
    head->addWidget(title_);
    add_ = new QPushButton(tr("Attach..."), this);
    head->addWidget(add_);
    actions_.Build(head);
    connect(add_, &QPushButton::clicked, this, &AttachmentStrip::AddByDialog);
    inReport_ = new ReportPhotoChoice(archive_, this);
    head->addWidget(inReport_);
    connect(inReport_, &ReportPhotoChoice::Problem, this, &AttachmentStrip::Say);
    connect(inReport_, &ReportPhotoChoice::Changed, this, &AttachmentStrip::Reload);
    layout->addLayout(head);
    QListWidget* list = thumbnails_.Build(this);
    connect(list, &QListWidget::itemActivated, this, [this] { actions_.OpenChosen(); });
    connect(list, &QListWidget::currentItemChanged, this, &AttachmentStrip::UpdateButtons);
    layout->addWidget(list);
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00020"));
    problem_->hide();
    layout->addWidget(problem_);
    setAcceptDrops(archive_ != nullptr);
    // As tall as one row of thumbnails: the lists above take what is left.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    Show(std::nullopt);
}

void AttachmentStrip::Show(const std::optional<archive::AttachmentOwner>& owner) {
    // The same owner read again (after a change here or by another program) keeps the chosen attachment
    // and what was said about the last files added.
    const bool same = owner && owner_ && owner->kind == owner_->kind && owner->id == owner_->id;
    const auto chosen = same ? thumbnails_.Chosen() : std::nullopt;
    owner_ = archive_ != nullptr ? owner : std::nullopt;
    thumbnails_.Clear();
    if (!same) {
        Say({});
    }
    if (!owner_) {
        title_->setText(tr("Photos and documents: choose a site, a test point or a result"));
        UpdateButtons();
        return;
    }
    title_->setText(tr("Photos and documents of %1").arg(AttachmentOwnerName(*archive_, *owner_)));
    inReport_->Reload();
    const auto rows = archive::Attachments(*archive_, *owner_);
    const auto thumbnails =
        rows ? archive::AttachmentThumbnails(*archive_, *owner_)
             : archive::Result<std::vector<std::pair<std::int64_t, std::string>>>(rows.Error());
    if (!rows || !thumbnails) {
        Say(texts::FailureText(rows ? thumbnails.Error() : rows.Error()));
    } else {
        thumbnails_.Fill(rows.Value(), thumbnails.Value(), *inReport_);
    }
    if (chosen) {
        thumbnails_.Choose(chosen->id);
    }
    UpdateButtons();
}

void AttachmentStrip::UpdateButtons() {
    const auto chosen = thumbnails_.Chosen();
    add_->setEnabled(owner_.has_value());
    actions_.Follow(chosen);
    inReport_->Follow(chosen);
}

void AttachmentStrip::Say(const QString& problem) {
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
}

void AttachmentStrip::AttachFiles(const QStringList& paths) {
    if (!owner_ || paths.isEmpty()) {
        return;
    }
    QStringList problems;
    std::int64_t last = 0;
    for (const QString& path : paths) {
        archive::Result<archive::AttachmentFile> file = attach::ReadAttachment(path.toStdString());
        if (!file) {
            problems << texts::FailureText(file.Error());
            continue;
        }
        const archive::NewAttachment attachment{
            *owner_, attach::FileNameOf(path.toStdString()), {}, std::move(file).Value()};
        const auto id = archive::Attach(*archive_, attachment);
        if (!id) {
            problems << texts::FailureText(id.Error());
            continue;
        }
        last = id.Value();
    }
    Reload();
    thumbnails_.Choose(last);
    Say(problems.join(QLatin1Char('\n')));
    if (last != 0) {
        emit Changed();
    }
}

void AttachmentStrip::AddByDialog() {
    if (!owner_) {
        return;
    }
    const QStringList paths =
        fileChooser ? fileChooser()
                    : QFileDialog::getOpenFileNames(this, tr("Attach photos or documents"), QString(),
                                                    tr("Photos and documents (*.jpg *.jpeg *.png *.pdf)"));
    AttachFiles(paths);
}

void AttachmentStrip::dragEnterEvent(QDragEnterEvent* event) {
    if (owner_ && event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void AttachmentStrip::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    event->acceptProposedAction();
    AttachFiles(paths);
}

}  // namespace terrovane::history
