#pragma once

#include <QTreeWidget>

#include <optional>

#include "Archive.h"
#include "Due.h"
#include "Find.h"

namespace terrovane::history {

// What an entry of the site tree stands for.
struct TreeChoice {
    enum class Kind { All, Unassigned, Site, Point } kind = Kind::All;
    std::int64_t id = 0;  // the site's or point's
};

// The archive's sites and their test points beside the result list: first "All results", then the
// unassigned results (newest read-out first), then the points overdue for a re-test, the longest overdue
// first, then every site with its points in the order of measuring, each with its last test and due date
// (read when the site is opened).
class SiteTree : public QTreeWidget {
    Q_OBJECT

  public:
    enum Column { kNameColumn, kLastTestColumn, kDueColumn };

    explicit SiteTree(QWidget* parent = nullptr);

    // Reads the sites, points and due dates again, keeping the current choice where it still exists.
    void Reload(archive::Archive* archive);
    TreeChoice Current() const;
    // The width that shows every name whole (up to some 64 characters).
    int FittedWidth() const { return fittedWidth_; }
    // Makes the entry of this choice current; false when there is none.
    bool Choose(const TreeChoice& choice);
    // Shows only the sites and points that the words find or that hold what they find (all of them for
    // blank words), and keeps doing so through every reload.
    void Search(const QString& words);
    const QString& Searched() const { return searched_; }

  signals:
    void Chosen(const terrovane::history::TreeChoice& choice);

  private:
    // The entries read again, `current` chosen where it still exists; quietly.
    void Rebuild(archive::Archive* archive, const TreeChoice& current, bool reread = true);
    // Widths from the font and the texts shown; again whenever entries are added.
    void FitColumns();
    void AddDueGroup();
    void ShowFailure(QTreeWidgetItem* parent, const std::string& error);
    void FillPoints(QTreeWidgetItem* siteItem);
    QTreeWidgetItem* Entry(QTreeWidgetItem* parent, const QString& name, const TreeChoice& choice);

    bool Shown(std::int64_t site, std::int64_t point) const;

    archive::Archive* archive_ = nullptr;
    int fittedWidth_ = 0;
    QString searched_;
    std::optional<archive::FoundPlaces> found_;
    // The sites and the due list as last read: a search narrows them without reading them again.
    std::vector<archive::SiteRow> sites_;
    std::vector<archive::DuePoint> due_;
};

}  // namespace terrovane::history
