#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <optional>

#include "Archive.h"
#include "AttachmentActions.h"
#include "AttachmentThumbnails.h"
#include "Attachments.h"
#include "ReportPhotoChoice.h"

namespace terrovane::history {

// The photos and documents of one site, test point or result as a strip of thumbnails under the lists:
// add by the file dialog or by dropping files on it, open one large, set its caption, remove it, make
// a photo's GPS position its site's, and choose a photo for the site report. The thumbnails come from the
// archive in one read, so a strip of hundreds of photos never decodes a full photo.
class AttachmentStrip : public QWidget {
    Q_OBJECT

  public:
    explicit AttachmentStrip(archive::Archive* archive, QWidget* parent = nullptr);

    QListWidget& List() const { return thumbnails_.List(); }
    QLabel& Title() const { return *title_; }
    QLabel& Problem() const { return *problem_; }
    ReportPhotoChoice& InReport() const { return *inReport_; }
    // Open, caption, remove and use as position, on the chosen attachment.
    AttachmentActions& Actions() { return actions_; }
    // The owner shown, unset when none is chosen.
    const std::optional<archive::AttachmentOwner>& Owner() const { return owner_; }

    // Shows the attachments of this owner; unset shows what to choose.
    void Show(const std::optional<archive::AttachmentOwner>& owner);
    void Reload() { Show(owner_); }
    // Says a problem under the strip; nothing hides it.
    void Say(const QString& problem);

    // Attaches the files (paths) to the owner shown; a file refused is said under the strip, the others
    // are attached all the same.
    void AttachFiles(const QStringList& paths);
    void AddByDialog();

    // Asks for the files to attach; tests answer it themselves.
    std::function<QStringList()> fileChooser;

  signals:
    // Something was attached, removed or a site's position changed.
    void Changed();

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void UpdateButtons();

    archive::Archive* archive_;
    std::optional<archive::AttachmentOwner> owner_;
    QLabel* title_ = nullptr;
    QPushButton* add_ = nullptr;
    ReportPhotoChoice* inReport_ = nullptr;
    AttachmentThumbnails thumbnails_;
    AttachmentActions actions_{*this, thumbnails_, archive_};
    QLabel* problem_ = nullptr;
};

}  // namespace terrovane::history
