// The archive window's set-up before a campaign: new sites (also as a copy of another's test points), new
// test points, the sites on a map, and the due list.
#include "CampaignSetup.h"

#include <QFileInfo>
#include <QTimer>

#include <algorithm>

#include "ArchiveFailure.h"
#include "DueWindow.h"
#include "HistoryWindow.h"
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

void CampaignSetup::ChooseNew(const TreeChoice& choice) {
    controls_.window->Refresh();
    controls_.tree->Choose(choice);
    controls_.tree->setFocus();
}

void CampaignSetup::NewSite() {
    if (controls_.archive == nullptr) {
        return;
    }
    std::int64_t id = 0;
    SitePropertiesDialog dialog(archive::SiteFields{}, controls_.window);
    dialog.save = [this, &id](const archive::SiteFields& fields, std::string& why) {
        return archive::AddSite(*controls_.archive, fields, id, why);
    };
    if (properties_.RunProperties(dialog)) {
        ChooseNew({TreeChoice::Kind::Site, id});
    }
}

void CampaignSetup::NewSiteAsCopy() {
    if (controls_.archive == nullptr) {
        return;
    }
    std::vector<archive::SiteRow> sites;
    std::string error;
    if (!archive::Sites(*controls_.archive, sites, error)) {
        return SayArchiveFailure(HistoryWindow::tr("The site could not be made."), *controls_.archive, error);
    }
    if (sites.empty()) {
        return platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "There is no site to copy yet: make one first."));
    }
    // The site chosen in the tree, or the chosen point's, is offered first.
    const TreeChoice chosen = controls_.tree->Current();
    std::int64_t preferred = chosen.kind == TreeChoice::Kind::Site ? chosen.id : 0;
    if (chosen.kind == TreeChoice::Kind::Point) {
        if (const auto point = archive::PointById(*controls_.archive, chosen.id, error)) {
            preferred = point->site;
        }
    }
    CopySiteDialog step(sites, preferred, controls_.window);
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
    SitePropertiesDialog dialog(fields, controls_.window);
    dialog.setWindowTitle(
        HistoryWindow::tr("New site as a copy of %1").arg(QString::fromStdString(site->fields.name)));
    std::int64_t id = 0;
    dialog.save = [this, &id, source](const archive::SiteFields& edited, std::string& why) {
        const archive::Result<std::int64_t> copied = archive::CopySite(*controls_.archive, *source, edited);
        if (!copied) {
            why = copied.Error().Text();
            return false;
        }
        id = copied.Value();
        return true;
    };
    if (properties_.RunProperties(dialog)) {
        ChooseNew({TreeChoice::Kind::Site, id});
    }
}

void CampaignSetup::NewPoint() {
    if (controls_.archive == nullptr) {
        return;
    }
    const TreeChoice chosen = controls_.tree->Current();
    std::string error;
    std::int64_t siteId = chosen.kind == TreeChoice::Kind::Site ? chosen.id : 0;
    if (chosen.kind == TreeChoice::Kind::Point) {
        if (const auto point = archive::PointById(*controls_.archive, chosen.id, error)) {
            siteId = point->site;
        }
    }
    std::vector<archive::SiteRow> sites;
    if (siteId != 0 && !archive::Sites(*controls_.archive, sites, error)) {
        return SayArchiveFailure(HistoryWindow::tr("The test point could not be made."), *controls_.archive,
                                 error);
    }
    const auto site = SiteWithId(sites, siteId);
    if (!site) {
        return platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "Choose the site of the new test point in the tree first."));
    }
    std::int64_t id = 0;
    PointPropertiesDialog dialog(archive::PointFields{}, site->fields, controls_.window);
    dialog.save = [this, &id, siteId](const archive::PointFields& fields, std::string& why) {
        return archive::AddPoint(*controls_.archive, siteId, fields, id, why);
    };
    if (properties_.RunProperties(dialog)) {
        ChooseNew({TreeChoice::Kind::Point, id});
    }
}

void CampaignSetup::ExportSites() {
    if (controls_.archive == nullptr) {
        return;
    }
    const QString path = sitesFileChooser
                             ? sitesFileChooser()
                             : AskSaveFile(controls_.window, HistoryWindow::tr("Export sites"),
                                           HistoryWindow::tr("GeoJSON file (*.geojson);;KML file (*.kml)"));
    if (path.isEmpty()) {
        return;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("geojson") && suffix != QLatin1String("json") &&
        suffix != QLatin1String("kml")) {
        return platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "The sites could not be exported: %1"),
            {HistoryWindow::tr("the file name should end in .geojson or .kml").toStdString()});
    }
    const archive::Result<archive::SitesMap> mapped = archive::MapSites(*controls_.archive, archive::Today());
    if (!mapped) {
        return SayArchiveFailure(HistoryWindow::tr("The sites could not be exported."), *controls_.archive,
                                 mapped.Error().Text());
    }
    const archive::SitesMap& map = mapped.Value();
    const std::string error = archive::WriteFileReplacing(
        path.toStdString(),
        suffix == QLatin1String("kml") ? archive::SitesKml(map) : archive::SitesGeoJson(map));
    if (!error.empty()) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The sites could not be exported: %1"), {error});
    }
    const int placed = static_cast<int>(map.placed.size());
    controls_.status->setText(
        map.leftOut == 0 ? HistoryWindow::tr("%n site(s) exported to %1", nullptr, placed).arg(path)
                         : HistoryWindow::tr("%n site(s) exported to %1", nullptr, placed).arg(path) +
                               QStringLiteral("; ") +
                               HistoryWindow::tr("%n without a position left out", nullptr, map.leftOut));
}

QWidget* CampaignSetup::ShowDueList() {
    if (controls_.archive == nullptr) {
        return nullptr;
    }
    auto* due = new DueWindow(*controls_.archive, controls_.window);
    due->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(controls_.window, &HistoryWindow::Refreshed, due, &DueWindow::Reload);
    due->show();
    return due;
}

}  // namespace terrovane::history
