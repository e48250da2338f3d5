#pragma once

#include <QString>
#include <QTreeWidget>

#include <cstdint>

#include "Archive.h"
#include "SiteTree.h"

namespace terrovane::history {

// The visits pane's list: the visits of the chosen site (or of the chosen point's site), oldest first,
// each with its date, who, instruments (one past its calibration due date marked), conditions and the
// number of its results.
class SiteVisitList {
  public:
    enum Column { kDate, kBy, kInstruments, kConditions, kResults, kColumns };

    QTreeWidget* Build(QWidget* pane);
    // Reads the site of this choice and its visits; the visit chosen before stays chosen.
    void Show(archive::Archive* archive, const TreeChoice& choice);
    // The chosen visit's id; 0 for none.
    std::int64_t Chosen() const;
    void Choose(std::int64_t visit);

    QTreeWidget& Tree() const { return *list_; }
    // The site shown, 0 when the choice has none.
    std::int64_t Site() const { return site_; }
    const QString& SiteName() const { return siteName_; }

  private:
    QTreeWidget* list_ = nullptr;
    std::int64_t site_ = 0;
    QString siteName_;
};

}  // namespace terrovane::history
