// The archive window's set-up before a campaign: new sites (also as a copy of another's test points), new
// test points, the sites on a map, and the due list.
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "ArchiveFailure.h"
#include "DueWindow.h"
#include "FlowLayout.h"
#include "HistoryWindow.h"
#include "ImportDialog.h"
#include "MessageBox.h"
#include "PropertiesDialog.h"
#include "ResultsFiles.h"
#include "SiteCopy.h"
#include "SiteMap.h"
#include "Sites.h"

namespace terrovane::history {
namespace {

std::optional<archive::SiteRow> SiteWithId(const std::vector<archive::SiteRow>& sites, std::int64_t id) {
    const auto site = std::find_if(sites.begin(), sites.end(), [id](const auto& s) { return s.id == id; });
    return site == sites.end() ? std::nullopt : std::optional(*site);
}

}  // namespace

QMenuBar* HistoryWindow::BuildMenuBar() {
    auto* bar = new QMenuBar(this);
    bar->setNativeMenuBar(false);
    QMenu* menu = bar->addMenu(tr("&Archive"));
    menu->addAction(tr("New &site..."), this, &HistoryWindow::NewSite);
    menu->addAction(tr("New site as a &copy of..."), this, &HistoryWindow::NewSiteAsCopy);
    menu->addAction(tr("New &test point..."), this, &HistoryWindow::NewPoint);
    menu->addSeparator();
    menu->addAction(tr("&Due list..."), this, &HistoryWindow::ShowDueList);
    menu->addAction(tr("&Export sites..."), this, &HistoryWindow::ExportSites);
    menu->addAction(tr("&Import..."), this, [this] {
        if (archive_ != nullptr && RunImportDialog(*archive_, this)) {
            Refresh();
        }
    });
    menu->addAction(tr("Issued &reports..."), this, &HistoryWindow::ShowIssuedReports);
    menu->setEnabled(archive_ != nullptr);
    BuildUndo(bar);
    QMenu* settings = bar->addMenu(tr("&Settings"));
    settings->addAction(tr("&Firm..."), this, &HistoryWindow::EditFirm);
    settings->setEnabled(archive_ != nullptr);
    return bar;
}

QWidget* HistoryWindow::BuildTreePane(QWidget* parent) {
    // The chosen site's visits under the tree, as tall as the user drags them.
    auto* panes = new QSplitter(Qt::Vertical, parent);
    auto* pane = new QWidget(panes);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    tree_ = new SiteTree(pane);
    layout->addWidget(tree_, 1);
    auto* row = new screenfit::FlowLayout;
    for (auto [text, action] : {std::pair{tr("New site..."), &HistoryWindow::NewSite},
                                std::pair{tr("New test point..."), &HistoryWindow::NewPoint}}) {
        auto* push = new QPushButton(text, pane);
        push->setEnabled(archive_ != nullptr);
        connect(push, &QPushButton::clicked, this, action);
        row->addWidget(push);
    }
    layout->addLayout(row);
    panes->addWidget(pane);
    visits_ = new VisitsPane(archive_, panes);
    panes->addWidget(visits_);
    panes->setStretchFactor(0, 3);
    panes->setStretchFactor(1, 1);
    panes->setChildrenCollapsible(false);
    return panes;
}

void HistoryWindow::ChooseNew(const TreeChoice& choice) {
    Refresh();
    tree_->Choose(choice);
    tree_->setFocus();
}

void HistoryWindow::NewSite() {
    if (archive_ == nullptr) {
        return;
    }
    std::int64_t id = 0;
    SitePropertiesDialog dialog(archive::SiteFields{}, this);
    dialog.save = [this, &id](const archive::SiteFields& fields, std::string& why) {
        return archive::AddSite(*archive_, fields, id, why);
    };
    if (RunProperties(dialog)) {
        ChooseNew({TreeChoice::Kind::Site, id});
    }
}

void HistoryWindow::NewSiteAsCopy() {
    if (archive_ == nullptr) {
        return;
    }
    std::vector<archive::SiteRow> sites;
    std::string error;
    if (!archive::Sites(*archive_, sites, error)) {
        return SayArchiveFailure(tr("The site could not be made."), *archive_, error);
    }
    if (sites.empty()) {
        return platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "There is no site to copy yet: make one first."));
    }
    // The site chosen in the tree, or the chosen point's, is offered first.
    const TreeChoice chosen = tree_->Current();
    std::int64_t preferred = chosen.kind == TreeChoice::Kind::Site ? chosen.id : 0;
    if (chosen.kind == TreeChoice::Kind::Point) {
        if (const auto point = archive::PointById(*archive_, chosen.id, error)) {
            preferred = point->site;
        }
    }
    CopySiteDialog step(sites, preferred, this);
    if (copySiteShown) {
        QTimer::singleShot(0, &step, [this, &step] { copySiteShown(step); });
    }
    const auto source = step.exec() == QDialog::Accepted ? step.Chosen() : std::nullopt;
    const auto site = source ? SiteWithId(sites, *source) : std::nullopt;
    if (!site) {
        return;
    }
    // The new site starts with the source's limit and interval; its name, address and position are its own.
    archive::SiteFields fields;
    fields.limit = site->fields.limit;
    fields.intervalMonths = site->fields.intervalMonths;
    SitePropertiesDialog dialog(fields, this);
    dialog.setWindowTitle(tr("New site as a copy of %1").arg(QString::fromStdString(site->fields.name)));
    std::int64_t id = 0;
    dialog.save = [this, &id, source](const archive::SiteFields& edited, std::string& why) {
        return archive::CopySite(*archive_, *source, edited, id, why);
    };
    if (RunProperties(dialog)) {
        ChooseNew({TreeChoice::Kind::Site, id});
    }
}

void HistoryWindow::NewPoint() {
    if (archive_ == nullptr) {
        return;
    }
    const TreeChoice chosen = tree_->Current();
    std::string error;
    std::int64_t siteId = chosen.kind == TreeChoice::Kind::Site ? chosen.id : 0;
    if (chosen.kind == TreeChoice::Kind::Point) {
        if (const auto point = archive::PointById(*archive_, chosen.id, error)) {
            siteId = point->site;
        }
    }
    std::vector<archive::SiteRow> sites;
    if (siteId != 0 && !archive::Sites(*archive_, sites, error)) {
        return SayArchiveFailure(tr("The test point could not be made."), *archive_, error);
    }
    const auto site = SiteWithId(sites, siteId);
    if (!site) {
        return platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "Choose the site of the new test point in the tree first."));
    }
    std::int64_t id = 0;
    PointPropertiesDialog dialog(archive::PointFields{}, site->fields, this);
    dialog.save = [this, &id, siteId](const archive::PointFields& fields, std::string& why) {
        return archive::AddPoint(*archive_, siteId, fields, id, why);
    };
    if (RunProperties(dialog)) {
        ChooseNew({TreeChoice::Kind::Point, id});
    }
}

void HistoryWindow::ExportSites() {
    if (archive_ == nullptr) {
        return;
    }
    const QString path =
        sitesFileChooser ? sitesFileChooser()
                         : AskSaveFile(tr("Export sites"), tr("GeoJSON file (*.geojson);;KML file (*.kml)"));
    if (path.isEmpty()) {
        return;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("geojson") && suffix != QLatin1String("json") &&
        suffix != QLatin1String("kml")) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The sites could not be exported: %1"),
                               {tr("the file name should end in .geojson or .kml").toStdString()});
    }
    archive::SitesMap map;
    std::string error;
    if (!archive::MapSites(*archive_, archive::Today(), map, error)) {
        return SayArchiveFailure(tr("The sites could not be exported."), *archive_, error);
    }
    error = archive::WriteFileReplacing(path.toStdString(), suffix == QLatin1String("kml")
                                                                ? archive::SitesKml(map)
                                                                : archive::SitesGeoJson(map));
    if (!error.empty()) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The sites could not be exported: %1"), {error});
    }
    const int placed = static_cast<int>(map.placed.size());
    status_->setText(map.leftOut == 0
                         ? tr("%n site(s) exported to %1", nullptr, placed).arg(path)
                         : tr("%n site(s) exported to %1", nullptr, placed).arg(path) + QStringLiteral("; ") +
                               tr("%n without a position left out", nullptr, map.leftOut));
}

QWidget* HistoryWindow::ShowDueList() {
    if (archive_ == nullptr) {
        return nullptr;
    }
    auto* due = new DueWindow(*archive_, this);
    due->setAttribute(Qt::WA_DeleteOnClose);
    connect(this, &HistoryWindow::Refreshed, due, &DueWindow::Reload);
    due->show();
    return due;
}

}  // namespace terrovane::history
