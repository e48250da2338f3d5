#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "Archive.h"
#include "Attachments.h"
#include "ReportPhotoChoice.h"

class QDialog;

namespace terrovane::history {

// The photos and documents of one site, test point or result as a strip of thumbnails under the lists:
// add by the file dialog or by dropping files on it, open one large, set its caption, remove it, make
// a photo's GPS position its site's, and choose a photo for the site report. The thumbnails come from the
// archive in one read, so a strip of hundreds of photos never decodes a full photo.
class AttachmentStrip : public QWidget {
    Q_OBJECT

  public:
    explicit AttachmentStrip(archive::Archive* archive, QWidget* parent = nullptr);

    QListWidget& List() const { return *list_; }
    QLabel& Title() const { return *title_; }
    QLabel& Problem() const { return *problem_; }
    QPushButton& UsePositionButton() const { return *usePosition_; }
    ReportPhotoChoice& InReport() const { return *inReport_; }
    // The owner shown, unset when none is chosen.
    const std::optional<archive::AttachmentOwner>& Owner() const { return owner_; }

    // Shows the attachments of this owner; unset shows what to choose.
    void Show(const std::optional<archive::AttachmentOwner>& owner);
    void Reload() { Show(owner_); }

    // Attaches the files (paths) to the owner shown; a file refused is said under the strip, the others
    // are attached all the same.
    void AttachFiles(const QStringList& paths);
    void AddByDialog();
    void OpenChosen();
    void CaptionChosen();
    void RemoveChosen();
    // The chosen photo's GPS position as the position of its owner's site.
    void UseChosenPosition();

    // Asks for the files to attach; tests answer it themselves.
    std::function<QStringList()> fileChooser;
    // Asks for a caption; nothing on Cancel. Tests answer it themselves.
    std::function<std::optional<QString>(const QString& current)> captionAsker;
    // Asks a yes-or-no question; tests answer it themselves.
    std::function<bool(const QString& question)> confirmer;
    // Called once the large view is up (tests look at it and close it); it runs modally otherwise.
    std::function<void(QDialog&)> viewShown;

  signals:
    // Something was attached, removed or a site's position changed.
    void Changed();

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    std::optional<archive::AttachmentRow> Chosen() const;
    QString OwnerName(const archive::AttachmentOwner& owner) const;
    std::optional<std::int64_t> SiteOf(const archive::AttachmentOwner& owner) const;
    void Fill(const std::vector<archive::AttachmentRow>& rows,
              const std::vector<std::pair<std::int64_t, std::string>>& thumbnails);
    void UpdateButtons();
    void ChooseAttachment(std::int64_t id);
    void Say(const QString& problem);

    archive::Archive* archive_;
    std::optional<archive::AttachmentOwner> owner_;
    std::vector<archive::AttachmentRow> rows_;
    QLabel* title_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* caption_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* usePosition_ = nullptr;
    ReportPhotoChoice* inReport_ = nullptr;
};

}  // namespace terrovane::history
