#include "AttachmentStrip.h"

#include <algorithm>

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImageReader>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include "ArchiveProblemText.h"
#include "AtomicFile.h"
#include "AttachmentView.h"
#include "FlowLayout.h"
#include "Inspect.h"
#include "Sites.h"
#include "TypedResults.h"

namespace terrovane::history {
namespace {

// The thumbnails' side in the strip, in the window's units: the archive keeps them larger, so they stay
// sharp at 2x.
constexpr int kStripIconSide = 80;

QIcon ThumbnailIcon(const std::string& jpeg) {
    QByteArray data = QByteArray::fromRawData(jpeg.data(), static_cast<qsizetype>(jpeg.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const QImage image = QImageReader(&buffer, "jpeg").read();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

}  // namespace

AttachmentStrip::AttachmentStrip(archive::Archive* archive, QWidget* parent)
    : QWidget(parent), archive_(archive) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The title and the buttons wrap onto further rows in a narrow window rather than widen it.
    auto* head = new screenfit::FlowLayout;
    title_ = new QLabel(this);
    head->addWidget(title_);
    add_ = new QPushButton(tr("Attach..."), this);
    open_ = new QPushButton(tr("Open"), this);
    caption_ = new QPushButton(tr("Caption..."), this);
    remove_ = new QPushButton(tr("Remove"), this);
    usePosition_ = new QPushButton(tr("Use as position"), this);
    for (QPushButton* button : {add_, open_, caption_, remove_, usePosition_}) {
        head->addWidget(button);
    }
    connect(add_, &QPushButton::clicked, this, &AttachmentStrip::AddByDialog);
    connect(open_, &QPushButton::clicked, this, &AttachmentStrip::OpenChosen);
    connect(caption_, &QPushButton::clicked, this, &AttachmentStrip::CaptionChosen);
    connect(remove_, &QPushButton::clicked, this, &AttachmentStrip::RemoveChosen);
    connect(usePosition_, &QPushButton::clicked, this, &AttachmentStrip::UseChosenPosition);
    inReport_ = new ReportPhotoChoice(archive_, this);
    head->addWidget(inReport_);
    connect(inReport_, &ReportPhotoChoice::Problem, this, &AttachmentStrip::Say);
    connect(inReport_, &ReportPhotoChoice::Changed, this, &AttachmentStrip::Reload);
    layout->addLayout(head);
    list_ = new QListWidget(this);
    list_->setViewMode(QListView::IconMode);
    list_->setFlow(QListView::LeftToRight);
    list_->setWrapping(false);
    list_->setMovement(QListView::Static);
    list_->setIconSize(QSize(kStripIconSide, kStripIconSide));
    list_->setUniformItemSizes(true);
    list_->setTextElideMode(Qt::ElideRight);
    list_->setGridSize(QSize(kStripIconSide * 3 / 2, kStripIconSide + list_->fontMetrics().height() + 12));
    list_->setFixedHeight(list_->gridSize().height() +
                          list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    list_->setAccessibleName(tr("Photos and documents"));
    list_->setAcceptDrops(false);  // the strip takes the drop, wherever on it the files land
    connect(list_, &QListWidget::itemActivated, this, &AttachmentStrip::OpenChosen);
    connect(list_, &QListWidget::currentItemChanged, this, &AttachmentStrip::UpdateButtons);
    layout->addWidget(list_);
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

QString AttachmentStrip::OwnerName(const archive::AttachmentOwner& owner) const {
    std::string error;
    switch (owner.kind) {
        case archive::AttachedTo::Site: {
            std::vector<archive::SiteRow> sites;
            if (archive::Sites(*archive_, sites, error)) {
                for (const archive::SiteRow& site : sites) {
                    if (site.id == owner.id) {
                        return QString::fromStdString(site.fields.name);
                    }
                }
            }
            return tr("site %1").arg(owner.id);
        }
        case archive::AttachedTo::Point:
            if (const auto point = archive::PointById(*archive_, owner.id, error)) {
                return QString::fromStdString(point->siteName + " / " + point->fields.name);
            }
            return tr("test point %1").arg(owner.id);
        case archive::AttachedTo::Result:
            return tr("result %1").arg(owner.id);
        case archive::AttachedTo::TypedResult:
            return tr("typed result %1").arg(owner.id);
    }
    return {};
}

std::optional<std::int64_t> AttachmentStrip::SiteOf(const archive::AttachmentOwner& owner) const {
    std::string error;
    std::optional<std::int64_t> point;
    switch (owner.kind) {
        case archive::AttachedTo::Site:
            return owner.id;
        case archive::AttachedTo::Point:
            point = owner.id;
            break;
        case archive::AttachedTo::Result:
            if (const auto row = archive_->Result(owner.id, error)) {
                point = row->point;
            }
            break;
        case archive::AttachedTo::TypedResult:
            if (const auto typed = archive::TypedResultById(*archive_, owner.id)) {
                point = typed.Value().point;
            }
            break;
    }
    if (point) {
        if (const auto found = archive::PointById(*archive_, *point, error)) {
            return found->site;
        }
    }
    return std::nullopt;
}

void AttachmentStrip::Show(const std::optional<archive::AttachmentOwner>& owner) {
    // The same owner read again (after a change here or by another program) keeps the chosen attachment
    // and what was said about the last files added.
    const bool same = owner && owner_ && owner->kind == owner_->kind && owner->id == owner_->id;
    const auto chosen = same ? Chosen() : std::nullopt;
    owner_ = archive_ != nullptr ? owner : std::nullopt;
    list_->clear();
    rows_.clear();
    if (!same) {
        Say({});
    }
    if (!owner_) {
        title_->setText(tr("Photos and documents: choose a site, a test point or a result"));
        UpdateButtons();
        return;
    }
    title_->setText(tr("Photos and documents of %1").arg(OwnerName(*owner_)));
    inReport_->Reload();
    const auto rows = archive::Attachments(*archive_, *owner_);
    const auto thumbnails =
        rows ? archive::AttachmentThumbnails(*archive_, *owner_)
             : archive::Result<std::vector<std::pair<std::int64_t, std::string>>>(rows.Error());
    if (!rows || !thumbnails) {
        Say(texts::FailureText(rows ? thumbnails.Error() : rows.Error()));
    } else {
        Fill(rows.Value(), thumbnails.Value());
    }
    if (chosen) {
        ChooseAttachment(chosen->id);
    }
    UpdateButtons();
}

void AttachmentStrip::ChooseAttachment(std::int64_t id) {
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->data(Qt::UserRole).toLongLong() == id) {
            list_->setCurrentRow(row);
        }
    }
}

void AttachmentStrip::Fill(const std::vector<archive::AttachmentRow>& rows,
                           const std::vector<std::pair<std::int64_t, std::string>>& thumbnails) {
    rows_ = rows;
    const QIcon document = style()->standardIcon(QStyle::SP_FileIcon);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const archive::AttachmentRow& row = rows_[i];
        const QString name = QString::fromStdString(row.name);
        const QString caption = QString::fromStdString(row.caption);
        auto* item = new QListWidgetItem(caption.isEmpty() ? name : caption, list_);
        const bool thumbnail = i < thumbnails.size() && !thumbnails[i].second.empty();
        item->setIcon(thumbnail ? ThumbnailIcon(thumbnails[i].second) : document);
        QStringList tip{name};
        if (!caption.isEmpty()) {
            tip.prepend(caption);
        }
        if (const QString exif = ExifWords(row); !exif.isEmpty()) {
            tip << exif;
        }
        if (inReport_->InReport(row.id)) {
            tip << ReportPhotoChoice::tr("In the site report");
        }
        item->setToolTip(tip.join(QLatin1Char('\n')));
        item->setData(Qt::UserRole, QVariant::fromValue<qint64>(row.id));
    }
    if (!rows_.empty()) {
        list_->setCurrentRow(0);
    }
}

std::optional<archive::AttachmentRow> AttachmentStrip::Chosen() const {
    const int row = list_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        return std::nullopt;
    }
    return rows_[static_cast<std::size_t>(row)];
}

void AttachmentStrip::UpdateButtons() {
    const auto chosen = Chosen();
    add_->setEnabled(owner_.has_value());
    for (QPushButton* button : {open_, caption_, remove_}) {
        button->setEnabled(chosen.has_value());
    }
    inReport_->Follow(chosen);
    usePosition_->setEnabled(chosen && chosen->position.has_value());
    usePosition_->setToolTip(chosen && chosen->position
                                 ? tr("Make %1 the position of the site").arg(ExifWords(*chosen))
                                 : tr("Only a photo with a GPS position can give its site's position"));
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
    ChooseAttachment(last);
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

void AttachmentStrip::OpenChosen() {
    const auto chosen = Chosen();
    if (!chosen) {
        return;
    }
    const auto bytes = archive::AttachmentBytes(*archive_, chosen->id);
    if (!bytes) {
        Say(texts::FailureText(bytes.Error()));
        return;
    }
    if (chosen->kind == archive::AttachmentKind::Pdf) {
        // A document opens in the desktop's own viewer, from a copy the viewer may keep open.
        const QString path = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                                 .filePath(QStringLiteral("terrovane-attachment-%1.pdf").arg(chosen->id));
        std::string error;
        if (!platform::WriteFileAtomically(path.toStdString(), bytes.Value(), error)) {
            Say(QString::fromStdString(error));
            return;
        }
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        return;
    }
    AttachmentView view(*chosen, QByteArray::fromStdString(bytes.Value()), this);
    if (viewShown) {
        view.show();
        viewShown(view);
    } else {
        view.exec();
    }
}

void AttachmentStrip::CaptionChosen() {
    const auto chosen = Chosen();
    if (!chosen) {
        return;
    }
    const QString current = QString::fromStdString(chosen->caption);
    std::optional<QString> caption;
    if (captionAsker) {
        caption = captionAsker(current);
    } else {
        bool ok = false;
        const QString text = QInputDialog::getText(
            this, tr("Caption"), tr("Caption of %1:").arg(QString::fromStdString(chosen->name)),
            QLineEdit::Normal, current, &ok);
        if (ok) {
            caption = text;
        }
    }
    if (!caption) {
        return;
    }
    if (const auto set = archive::SetAttachmentCaption(*archive_, chosen->id, caption->toStdString()); !set) {
        Say(texts::FailureText(set.Error()));
        return;
    }
    Reload();
}

void AttachmentStrip::RemoveChosen() {
    const auto chosen = Chosen();
    if (!chosen) {
        return;
    }
    const QString question =
        tr("Remove %1 from %2?").arg(QString::fromStdString(chosen->name), OwnerName(*owner_));
    const bool yes = confirmer
                         ? confirmer(question)
                         : QMessageBox::question(this, tr("Remove attachment"), question) == QMessageBox::Yes;
    if (!yes) {
        return;
    }
    if (const auto removed = archive::Detach(*archive_, chosen->id); !removed) {
        Say(texts::FailureText(removed.Error()));
        return;
    }
    Reload();
    emit Changed();
}

void AttachmentStrip::UseChosenPosition() {
    const auto chosen = Chosen();
    if (!chosen || !chosen->position || !owner_) {
        return;
    }
    const auto site = SiteOf(*owner_);
    std::string error;
    std::vector<archive::SiteRow> sites;
    if (!site || !archive::Sites(*archive_, sites, error)) {
        Say(error.empty() ? tr("This result is assigned to no test point, so it has no site to place")
                          : texts::ArchiveProblemText(error));
        return;
    }
    const auto found = std::find_if(sites.begin(), sites.end(),
                                    [&](const archive::SiteRow& row) { return row.id == *site; });
    if (found == sites.end()) {
        return;
    }
    archive::SiteFields fields = found->fields;
    const QString where = QStringLiteral("%1, %2").arg(QString::number(chosen->position->latitude, 'f', 6),
                                                       QString::number(chosen->position->longitude, 'f', 6));
    const QString question =
        fields.latitude && fields.longitude
            ? tr("Move site %1 from %2, %3 to where the photo was taken, %4?")
                  .arg(QString::fromStdString(fields.name), QString::number(*fields.latitude, 'f', 6),
                       QString::number(*fields.longitude, 'f', 6), where)
            : tr("Place site %1 where the photo was taken, %2?")
                  .arg(QString::fromStdString(fields.name), where);
    const bool yes = confirmer
                         ? confirmer(question)
                         : QMessageBox::question(this, tr("Use as position"), question) == QMessageBox::Yes;
    if (!yes) {
        return;
    }
    fields.latitude = chosen->position->latitude;
    fields.longitude = chosen->position->longitude;
    if (!archive::UpdateSite(*archive_, *site, fields, error)) {
        Say(texts::ArchiveProblemText(error));
        return;
    }
    emit Changed();
}

}  // namespace terrovane::history
