// The attachment strip's actions on the chosen attachment.
#include "AttachmentActions.h"

#include <algorithm>

#include <QDesktopServices>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

#include "ArchiveProblemText.h"
#include "AtomicFile.h"
#include "AttachmentOwners.h"
#include "AttachmentStrip.h"
#include "AttachmentThumbnails.h"
#include "AttachmentView.h"
#include "Sites.h"

namespace terrovane::history {

void AttachmentActions::Build(QLayout* head) {
    open_ = new QPushButton(AttachmentStrip::tr("Open"), &strip_);
    caption_ = new QPushButton(AttachmentStrip::tr("Caption..."), &strip_);
    remove_ = new QPushButton(AttachmentStrip::tr("Remove"), &strip_);
    usePosition_ = new QPushButton(AttachmentStrip::tr("Use as position"), &strip_);
    for (QPushButton* button : {open_, caption_, remove_, usePosition_}) {
        head->addWidget(button);
    }
    QObject::connect(open_, &QPushButton::clicked, &strip_, [this] { OpenChosen(); });
    QObject::connect(caption_, &QPushButton::clicked, &strip_, [this] { CaptionChosen(); });
    QObject::connect(remove_, &QPushButton::clicked, &strip_, [this] { RemoveChosen(); });
    QObject::connect(usePosition_, &QPushButton::clicked, &strip_, [this] { UseChosenPosition(); });
}

void AttachmentActions::Follow(const std::optional<archive::AttachmentRow>& chosen) {
    for (QPushButton* button : {open_, caption_, remove_}) {
        button->setEnabled(chosen.has_value());
    }
    usePosition_->setEnabled(chosen && chosen->position.has_value());
    usePosition_->setToolTip(
        chosen && chosen->position
            ? AttachmentStrip::tr("Make %1 the position of the site").arg(ExifWords(*chosen))
            : AttachmentStrip::tr("Only a photo with a GPS position can give its site's position"));
}

void AttachmentActions::OpenChosen() {
    const auto chosen = thumbnails_.Chosen();
    if (!chosen) {
        return;
    }
    const auto bytes = archive::AttachmentBytes(*archive_, chosen->id);
    if (!bytes) {
        strip_.Say(texts::FailureText(bytes.Error()));
        return;
    }
    if (chosen->kind == archive::AttachmentKind::Pdf) {
        // A document opens in the desktop's own viewer, from a copy the viewer may keep open.
        const QString path = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                                 .filePath(QStringLiteral("terrovane-attachment-%1.pdf").arg(chosen->id));
        std::string error;
        if (!platform::WriteFileAtomically(path.toStdString(), bytes.Value(), error)) {
            strip_.Say(QString::fromStdString(error));
            return;
        }
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        return;
    }
    AttachmentView view(*chosen, QByteArray::fromStdString(bytes.Value()), &strip_);
    if (viewShown) {
        view.show();
        viewShown(view);
    } else {
        view.exec();
    }
}

void AttachmentActions::CaptionChosen() {
    const auto chosen = thumbnails_.Chosen();
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
            &strip_, AttachmentStrip::tr("Caption"),
            AttachmentStrip::tr("Caption of %1:").arg(QString::fromStdString(chosen->name)),
            QLineEdit::Normal, current, &ok);
        if (ok) {
            caption = text;
        }
    }
    if (!caption) {
        return;
    }
    if (const auto set = archive::SetAttachmentCaption(*archive_, chosen->id, caption->toStdString()); !set) {
        strip_.Say(texts::FailureText(set.Error()));
        return;
    }
    strip_.Reload();
}

void AttachmentActions::RemoveChosen() {
    const auto chosen = thumbnails_.Chosen();
    if (!chosen) {
        return;
    }
    const QString question =
        AttachmentStrip::tr("Remove %1 from %2?")
            .arg(QString::fromStdString(chosen->name), AttachmentOwnerName(*archive_, *strip_.Owner()));
    const bool yes = confirmer ? confirmer(question)
                               : QMessageBox::question(&strip_, AttachmentStrip::tr("Remove attachment"),
                                                       question) == QMessageBox::Yes;
    if (!yes) {
        return;
    }
    if (const auto removed = archive::Detach(*archive_, chosen->id); !removed) {
        strip_.Say(texts::FailureText(removed.Error()));
        return;
    }
    strip_.Reload();
    emit strip_.Changed();
}

void AttachmentActions::UseChosenPosition() {
    const auto chosen = thumbnails_.Chosen();
    if (!chosen || !chosen->position || !strip_.Owner()) {
        return;
    }
    const auto site = AttachmentOwnerSite(*archive_, *strip_.Owner());
    std::string error;
    std::vector<archive::SiteRow> sites;
    if (!site || !archive::Sites(*archive_, sites, error)) {
        strip_.Say(error.empty() ? AttachmentStrip::tr(
                                       "This result is assigned to no test point, so it has no site to place")
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
            ? AttachmentStrip::tr("Move site %1 from %2, %3 to where the photo was taken, %4?")
                  .arg(QString::fromStdString(fields.name), QString::number(*fields.latitude, 'f', 6),
                       QString::number(*fields.longitude, 'f', 6), where)
            : AttachmentStrip::tr("Place site %1 where the photo was taken, %2?")
                  .arg(QString::fromStdString(fields.name), where);
    const bool yes = confirmer ? confirmer(question)
                               : QMessageBox::question(&strip_, AttachmentStrip::tr("Use as position"),
                                                       question) == QMessageBox::Yes;
    if (!yes) {
        return;
    }
    fields.latitude = chosen->position->latitude;
    fields.longitude = chosen->position->longitude;
    if (!archive::UpdateSite(*archive_, *site, fields, error)) {
        strip_.Say(texts::ArchiveProblemText(error));
        return;
    }
    emit strip_.Changed();
}

}  // namespace terrovane::history
