#include "SiteTree.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <map>
#include <set>

#include "ArchiveFailure.h"
#include "Due.h"
#include "Sites.h"
#include "TreeColumns.h"

namespace terrovane::history {
namespace {

constexpr int kKindRole = Qt::UserRole;
constexpr int kIdRole = Qt::UserRole + 1;
constexpr int kFilledRole = Qt::UserRole + 2;

TreeChoice ChoiceOf(const QTreeWidgetItem* item) {
    if (item == nullptr || !item->data(0, kKindRole).isValid()) {
        return {};
    }
    return {static_cast<TreeChoice::Kind>(item->data(0, kKindRole).toInt()),
            item->data(0, kIdRole).toLongLong()};
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr std::size_t kOverdueShown = 100;
constexpr std::size_t kSitesOpened = 20;  // up to this many sites all show their points

int ItemDepth(const QTreeWidgetItem* item) {
    int depth = 0;
    for (const QTreeWidgetItem* parent = item->parent(); parent != nullptr; parent = parent->parent()) {
        ++depth;
    }
    return depth;
}

// The date of the newest result that measured, and the failed readings since, which are no test.
QString LastTestInTree(const archive::DuePoint& point) {
    const QString date = point.lastTested.empty() ? SiteTree::tr("never") : Text(point.lastTested);
    return point.failedSince == 0
               ? date
               : SiteTree::tr("%1, then %n failed reading(s)", nullptr, point.failedSince).arg(date);
}

}  // namespace

SiteTree::SiteTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderLabels({tr("Site / test point"), tr("Last test"), tr("Due")});
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);  // a double-click opens the Properties; the arrow opens a site
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    header()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    setTextElideMode(Qt::ElideRight);
    FitColumns();
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { emit Chosen(ChoiceOf(item)); });
    connect(this, &QTreeWidget::itemExpanded, this, &SiteTree::FillPoints);
}

// Each column as wide as its widest text, header included, and the tree as wide as its columns: the last
// test and due dates are never cut, and a long site or point name only beyond some 64 characters.
void SiteTree::FitColumns() {
    const QFontMetrics metrics = fontMetrics();
    const int padding = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1 +
                        metrics.horizontalAdvance(QLatin1Char(' '));
    const int levelIndent = rootIsDecorated() ? indentation() : 0;
    std::vector<std::vector<ShownText>> texts(static_cast<std::size_t>(columnCount()));
    for (int column = 0; column < columnCount(); ++column) {
        // The header's text, with room for its sort indicator.
        texts[static_cast<std::size_t>(column)].push_back({headerItem()->text(column), metrics.height()});
    }
    for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it) {
        for (int column = 0; column < columnCount(); ++column) {
            const int indent = column == kNameColumn ? levelIndent * (ItemDepth(*it) + 1) : 0;
            texts[static_cast<std::size_t>(column)].push_back({(*it)->text(column), indent});
        }
    }
    int total = 0;
    int dates = 0;
    for (int column = 0; column < columnCount(); ++column) {
        const int widest = column == kNameColumn ? metrics.averageCharWidth() * 64 : 0;
        const int width = WholeTextWidth(metrics, texts[static_cast<std::size_t>(column)], padding, widest);
        header()->resizeSection(column, width);
        total += width;
        dates += column == kNameColumn ? 0 : width;
    }
    // The pane's width is the user's: the dates stay whole, the names take the rest and a long one is cut
    // with an ellipsis, its whole text in the tooltip.
    const int chrome = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    fittedWidth_ = total + chrome;
    setMinimumWidth(dates + metrics.averageCharWidth() * 12 + chrome);
}

QTreeWidgetItem* SiteTree::Entry(QTreeWidgetItem* parent, const QString& name, const TreeChoice& choice) {
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(kNameColumn, name);
    item->setToolTip(kNameColumn, name);
    item->setData(0, kKindRole, static_cast<int>(choice.kind));
    item->setData(0, kIdRole, static_cast<qlonglong>(choice.id));
    return item;
}

// An empty tree would say the archive holds no sites; it says it could not be read instead.
void SiteTree::ShowFailure(QTreeWidgetItem* parent, const std::string& error) {
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    const QString advice = archive_ != nullptr ? WhatToDo(*archive_) : QString();
    item->setText(kNameColumn, tr("Could not be read: %1").arg(Text(error)) +
                                   (advice.isEmpty() ? QString() : QStringLiteral(" ") + advice));
    item->setToolTip(kNameColumn, item->text(kNameColumn));
    item->setForeground(kNameColumn, QColor(0xB7, 0x1C, 0x1C));
    item->setFlags(Qt::ItemIsEnabled);
}

void SiteTree::AddDueGroup() {
    std::vector<archive::DuePoint> due = due_;
    // Under a search, only the points shown count; the list keeps its order, the longest overdue first.
    if (found_) {
        std::set<std::string> whole;
        for (const archive::SiteRow& site : sites_) {
            if (found_->wholeSites.count(site.id) != 0) {
                whole.insert(site.fields.name);
            }
        }
        std::erase_if(due, [this, &whole](const archive::DuePoint& point) {
            return found_->points.count(point.point) == 0 && whole.count(point.site) == 0;
        });
    }
    const auto overdue =
        std::count_if(due.begin(), due.end(), [](const auto& point) { return point.overdue; });
    if (overdue == 0) {
        return;
    }
    auto* group = new QTreeWidgetItem(this);
    group->setText(kNameColumn, tr("Overdue for re-test (%1)").arg(overdue));
    group->setFlags(Qt::ItemIsEnabled);
    group->setForeground(kNameColumn, QColor(0xB7, 0x1C, 0x1C));
    // The longest overdue first; a long list is cut, the sites below still show every point.
    const std::size_t shown = std::min<std::size_t>(static_cast<std::size_t>(overdue), kOverdueShown);
    for (std::size_t i = 0; i < shown; ++i) {
        const archive::DuePoint& point = due[i];
        QTreeWidgetItem* item =
            Entry(group, Text(point.site + " / " + point.name), {TreeChoice::Kind::Point, point.point});
        item->setText(kLastTestColumn, LastTestInTree(point));
        item->setText(kDueColumn, point.dueOn.empty() ? tr("now") : Text(point.dueOn));
        item->setForeground(kDueColumn, QColor(0xB7, 0x1C, 0x1C));
    }
    if (static_cast<std::size_t>(overdue) > shown) {
        auto* more = new QTreeWidgetItem(group);
        more->setText(kNameColumn,
                      tr("and %1 more").arg(static_cast<qlonglong>(overdue) - static_cast<qlonglong>(shown)));
        more->setFlags(Qt::ItemIsEnabled);
    }
    group->setExpanded(true);
}

void SiteTree::FillPoints(QTreeWidgetItem* siteItem) {
    if (archive_ == nullptr || siteItem->data(0, kFilledRole).toBool()) {
        return;
    }
    siteItem->setData(0, kFilledRole, true);
    qDeleteAll(siteItem->takeChildren());
    const std::int64_t site = siteItem->data(0, kIdRole).toLongLong();
    std::vector<archive::PointRow> points;
    std::vector<archive::DuePoint> due;
    std::string error;
    // One snapshot, so the points and their due dates agree.
    const bool read = archive_->Read(
        [&](archive::Database&, std::string& failure) {
            if (!archive::Points(*archive_, site, points, failure)) {
                return false;
            }
            archive::Result<std::vector<archive::DuePoint>> list =
                archive::DueList(*archive_, archive::Today(), site);
            if (!list) {
                failure = list.Error().Text();
                return false;
            }
            due = std::move(list).Value();
            return true;
        },
        error);
    if (!read) {
        ShowFailure(siteItem, error);
        return;
    }
    std::map<std::int64_t, const archive::DuePoint*> dueOf;
    for (const archive::DuePoint& point : due) {
        dueOf[point.point] = &point;
    }
    for (const archive::PointRow& point : points) {
        if (!Shown(site, point.id)) {
            continue;
        }
        QTreeWidgetItem* item = Entry(siteItem, Text(point.fields.name), {TreeChoice::Kind::Point, point.id});
        const auto found = dueOf.find(point.id);
        if (found == dueOf.end()) {
            continue;
        }
        item->setText(kLastTestColumn, found->second->lastTested.empty() && found->second->failedSince == 0
                                           ? QString()
                                           : LastTestInTree(*found->second));
        item->setText(kDueColumn, Text(found->second->dueOn));
        if (found->second->overdue) {
            item->setText(kDueColumn, item->text(kDueColumn).isEmpty()
                                          ? tr("now (overdue)")
                                          : item->text(kDueColumn) + tr(" (overdue)"));
            item->setForeground(kDueColumn, QColor(0xB7, 0x1C, 0x1C));
        }
    }
    FitColumns();
}

void SiteTree::Reload(archive::Archive* archive) {
    const TreeChoice current = Current();
    const int scroll = verticalScrollBar()->value();
    Rebuild(archive, current);
    verticalScrollBar()->setValue(scroll);
    // An entry that went (a site deleted elsewhere) leaves "All results" chosen: the list follows it.
    const TreeChoice now = Current();
    if (now.kind != current.kind || now.id != current.id) {
        emit Chosen(now);
    }
}

void SiteTree::Rebuild(archive::Archive* archive, const TreeChoice& current, bool reread) {
    const QSignalBlocker quiet(this);
    archive_ = archive;
    clear();
    Entry(nullptr, tr("All results"), {TreeChoice::Kind::All, 0});
    Entry(nullptr, tr("Unassigned, newest read-out first"), {TreeChoice::Kind::Unassigned, 0});
    if (archive == nullptr) {
        Choose(current);
        return;
    }
    // The due group, the sites, what the search found and the points opened at once come from one
    // snapshot.
    std::string error;
    found_.reset();
    const bool read = archive->Read(
        [&](archive::Database&, std::string& failure) {
            if (reread) {
                sites_.clear();
                due_.clear();
                if (!archive::Sites(*archive, sites_, failure)) {
                    return false;
                }
                // Without the due list only its group is missing.
                if (auto due = archive::DueList(*archive, archive::Today(), 0)) {
                    due_ = std::move(due).Value();
                }
            }
            if (!searched_.trimmed().isEmpty()) {
                found_.emplace();
                archive::Result<archive::FoundPlaces> places =
                    archive::FindPlaces(*archive, searched_.toStdString());
                if (!places) {
                    failure = places.Error().Text();
                    return false;
                }
                *found_ = std::move(places).Value();
            }
            AddDueGroup();
            std::vector<const archive::SiteRow*> sites;
            for (const archive::SiteRow& site : sites_) {
                if (Shown(site.id, 0)) {
                    sites.push_back(&site);
                }
            }
            for (const archive::SiteRow* site : sites) {
                QTreeWidgetItem* siteItem =
                    Entry(nullptr, Text(site->fields.name), {TreeChoice::Kind::Site, site->id});
                // Points are read when the site is opened: a thousand sites open as fast as one.
                if (site->points > 0) {
                    new QTreeWidgetItem(siteItem);
                }
                if (sites.size() <= kSitesOpened) {
                    FillPoints(siteItem);
                    siteItem->setExpanded(true);
                }
            }
            return true;
        },
        error);
    if (!read) {
        ShowFailure(nullptr, error);
    }
    if (!Choose(current)) {
        setCurrentItem(topLevelItem(0));
    }
    FitColumns();
}

bool SiteTree::Shown(std::int64_t site, std::int64_t point) const {
    if (!found_) {
        return true;
    }
    return point == 0 ? found_->sites.count(site) != 0
                      : found_->points.count(point) != 0 || found_->wholeSites.count(site) != 0;
}

// Narrows the sites and the due list as last read; only a reload reads them again.
void SiteTree::Search(const QString& words) {
    searched_ = words;
    const TreeChoice current = Current();
    Rebuild(archive_, current, sites_.empty());
    const TreeChoice now = Current();
    if (now.kind != current.kind || now.id != current.id) {
        emit Chosen(now);
    }
}

TreeChoice SiteTree::Current() const {
    return ChoiceOf(currentItem());
}

bool SiteTree::Choose(const TreeChoice& choice) {
    if (choice.kind == TreeChoice::Kind::Point && archive_ != nullptr) {
        // The point's site is opened so its entry exists.
        std::string error;
        if (const auto point = archive::PointById(*archive_, choice.id, error)) {
            for (int i = 0; i < topLevelItemCount(); ++i) {
                QTreeWidgetItem* item = topLevelItem(i);
                if (ChoiceOf(item).kind == TreeChoice::Kind::Site && ChoiceOf(item).id == point->site) {
                    FillPoints(item);
                }
            }
        }
    }
    for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it) {
        const TreeChoice each = ChoiceOf(*it);
        if ((*it)->data(0, kKindRole).isValid() && each.kind == choice.kind && each.id == choice.id) {
            setCurrentItem(*it);
            return true;
        }
    }
    return false;
}

}  // namespace terrovane::history
