#pragma once

#include <QLayout>
#include <QPushButton>

#include <functional>
#include <optional>

#include "Archive.h"
#include "Attachments.h"

class QDialog;

namespace terrovane::history {

class AttachmentStrip;
class AttachmentThumbnails;

// What the attachment strip does with the chosen attachment: open it large, set its caption, remove it,
// and make a photo's GPS position its site's.
class AttachmentActions {
  public:
    AttachmentActions(AttachmentStrip& strip, const AttachmentThumbnails& thumbnails,
                      archive::Archive* archive)
        : strip_(strip), thumbnails_(thumbnails), archive_(archive) {}

    // The buttons, in the strip's head after its Attach... button.
    void Build(QLayout* head);
    // The buttons as the chosen attachment allows them.
    void Follow(const std::optional<archive::AttachmentRow>& chosen);

    void OpenChosen();
    void CaptionChosen();
    void RemoveChosen();
    // The chosen photo's GPS position as the position of its owner's site.
    void UseChosenPosition();

    QPushButton& UsePositionButton() const { return *usePosition_; }

    // Asks for a caption; nothing on Cancel. Tests answer it themselves.
    std::function<std::optional<QString>(const QString& current)> captionAsker;
    // Asks a yes-or-no question; tests answer it themselves.
    std::function<bool(const QString& question)> confirmer;
    // Called once the large view is up (tests look at it and close it); it runs modally otherwise.
    std::function<void(QDialog&)> viewShown;

  private:
    AttachmentStrip& strip_;
    const AttachmentThumbnails& thumbnails_;
    archive::Archive* archive_;
    QPushButton* open_ = nullptr;
    QPushButton* caption_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* usePosition_ = nullptr;
};

}  // namespace terrovane::history
