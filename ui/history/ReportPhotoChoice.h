#pragma once

#include <QCheckBox>

#include <cstdint>
#include <optional>
#include <set>

#include "Archive.h"
#include "Attachments.h"

namespace terrovane::history {

// "In the site report": whether the photo chosen in the strip is printed in the site report, with its
// caption after its point's results. A document cannot go in; the box is off for it and while nothing
// is chosen.
class ReportPhotoChoice : public QCheckBox {
    Q_OBJECT

  public:
    explicit ReportPhotoChoice(archive::Archive* archive, QWidget* parent = nullptr);

    // Reads again which attachments are chosen for the report.
    void Reload();
    // Follows the attachment chosen in the strip (none: nothing to choose).
    void Follow(const std::optional<archive::AttachmentRow>& attachment);
    bool InReport(std::int64_t attachment) const { return chosen_.count(attachment) != 0; }

  signals:
    // What went wrong, in words, or empty once a choice is kept.
    void Problem(const QString& text);
    // A photo went into the report or out of it.
    void Changed(std::int64_t attachment);
    // A person put the photo into the report or took it out (kept in the archive already), so the
    // window can offer to undo it.
    void Chosen(std::int64_t attachment, bool inReport);

  private:
    void Choose(bool inReport);

    archive::Archive* archive_;
    std::set<std::int64_t> chosen_;
    std::optional<std::int64_t> followed_;
};

}  // namespace terrovane::history
