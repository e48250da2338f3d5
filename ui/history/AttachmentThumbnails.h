#pragma once

#include <QListWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Attachments.h"
#include "ReportPhotoChoice.h"

namespace terrovane::history {

// The attachment strip's row of thumbnails, one for each attachment of the owner shown, and which of
// them is chosen.
class AttachmentThumbnails {
  public:
    // One row of thumbnails, as tall as the strip.
    QListWidget* Build(QWidget* strip);
    void Clear();
    // The attachments with their thumbnails (a document's icon where there is none), the first chosen.
    void Fill(const std::vector<archive::AttachmentRow>& rows,
              const std::vector<std::pair<std::int64_t, std::string>>& thumbnails,
              const ReportPhotoChoice& inReport);
    std::optional<archive::AttachmentRow> Chosen() const;
    void Choose(std::int64_t id);

    QListWidget& List() const { return *list_; }

  private:
    QWidget* strip_ = nullptr;
    QListWidget* list_ = nullptr;
    std::vector<archive::AttachmentRow> rows_;
};

}  // namespace terrovane::history
