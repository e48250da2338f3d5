// "Soil model..." and "Fall of potential..." of the archive window: the engineering windows on the chosen
// results (or, for the soil model, on every resistivity result of the chosen site).
#include <algorithm>

#include "ArchiveFailure.h"
#include "FopWindow.h"
#include "GridWindow.h"
#include "HistoryWindow.h"
#include "MessageBox.h"
#include "Mode.h"
#include "Sites.h"
#include "SoilWindow.h"
#include "StoredAnalyses.h"
#include "ValiditySetting.h"

namespace terrovane::history {
namespace {

// The one value every row has, else nothing.
template <typename Value, typename Get>
std::optional<Value> Common(const std::vector<archive::ResultRow>& rows, Get get) {
    std::optional<Value> common;
    for (const archive::ResultRow& row : rows) {
        const std::optional<Value> value = get(row);
        if (!value || (common && *common != *value))
            return std::nullopt;
        common = value;
    }
    return common;
}

std::optional<archive::PointRow> PointById(archive::Archive& archive, std::int64_t id) {
    std::vector<archive::PointRow> points;
    std::string error;
    archive::Points(archive, 0, points, error);
    const auto found = std::find_if(points.begin(), points.end(), [id](const auto& p) { return p.id == id; });
    return found == points.end() ? std::nullopt : std::optional(*found);
}

std::optional<engineering::SiteChoice> SiteById(archive::Archive& archive, std::int64_t id) {
    std::vector<archive::SiteRow> sites;
    std::string error;
    archive::Sites(archive, sites, error);
    const auto found = std::find_if(sites.begin(), sites.end(), [id](const auto& s) { return s.id == id; });
    return found == sites.end() ? std::nullopt
                                : std::optional(engineering::SiteChoice{
                                      found->id, QString::fromStdString(found->fields.name)});
}

}  // namespace

std::vector<archive::ResultRow> HistoryWindow::SelectedResults() const {
    std::vector<archive::ResultRow> rows;
    for (int row : SelectedRows())
        if (const archive::ResultRow* result = model_->RowAt(row))
            rows.push_back(*result);
    return rows;
}

QWidget* HistoryWindow::ShowSoilModel() {
    if (archive_ == nullptr)
        return nullptr;
    std::vector<archive::ResultRow> rows = SelectedResults();
    const TreeChoice chosen = tree_->Current();
    std::optional<std::int64_t> siteId;
    if (chosen.kind == TreeChoice::Kind::Site)
        siteId = chosen.id;
    else if (chosen.kind == TreeChoice::Kind::Point)
        if (const auto point = PointById(*archive_, chosen.id))
            siteId = point->site;
    if (rows.empty() && siteId) {
        archive::ResultFilter filter;
        filter.siteId = *siteId;
        filter.mode = record::CodeOf(record::Mode::Resistivity);
        std::string error;
        if (!archive_->Results(filter, {}, -1, 0, rows, error)) {
            SayArchiveFailure(tr("The site's resistivity results could not be read."), *archive_, error);
            return nullptr;
        }
    }
    if (rows.empty() && siteId) {
        // The site is chosen; what is missing is a sounding in it.
        const std::optional<engineering::SiteChoice> site = SiteById(*archive_, *siteId);
        platform::Alert(
            QT_TRANSLATE_NOOP("Messages",
                              "The site %1 has no resistivity results: assign the sounding's "
                              "resistivity results to its test points, or choose them in the list."),
            {site ? site->name.toStdString() : std::string()});
        return nullptr;
    }
    if (rows.empty()) {
        platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "Choose resistivity results, or a site in the tree, first."));
        return nullptr;
    }
    if (!siteId) {
        // Results of several points of one site: their site.
        const auto name = Common<std::string>(rows, [](const archive::ResultRow& r) {
            return r.site.empty() ? std::nullopt : std::optional(r.site);
        });
        std::string error;
        if (name)
            if (const auto site = archive::FindSite(*archive_, *name, error))
                siteId = site->id;
    }
    auto* window = new engineering::SoilWindow(
        archive_, rows, siteId ? SiteById(*archive_, *siteId) : std::nullopt, this, ValiditySettings());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

QWidget* HistoryWindow::ShowFallOfPotential() {
    if (archive_ == nullptr)
        return nullptr;
    const std::vector<archive::ResultRow> rows = SelectedResults();
    if (rows.size() < 2) {
        platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "Choose the 3-pole results of one fall-of-potential run first."));
        return nullptr;
    }
    const TreeChoice chosen = tree_->Current();
    std::optional<std::int64_t> pointId =
        chosen.kind == TreeChoice::Kind::Point
            ? std::optional(chosen.id)
            : Common<std::int64_t>(rows, [](const archive::ResultRow& r) { return r.point; });
    std::optional<engineering::PointChoice> point;
    if (pointId)
        if (const auto row = PointById(*archive_, *pointId))
            point = engineering::PointChoice{
                row->id, QString::fromStdString(row->siteName + " / " + row->fields.name)};
    auto* window = new engineering::FopWindow(archive_, rows, point, this, ValiditySettings());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

QWidget* HistoryWindow::ShowGridSafety() {
    if (archive_ == nullptr)
        return nullptr;
    const TreeChoice chosen = tree_->Current();
    std::optional<std::int64_t> siteId;
    if (chosen.kind == TreeChoice::Kind::Site)
        siteId = chosen.id;
    else if (chosen.kind == TreeChoice::Kind::Point)
        if (const auto point = PointById(*archive_, chosen.id))
            siteId = point->site;
    if (!siteId) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "Choose a site in the tree first."));
        return nullptr;
    }
    auto* window = new engineering::GridWindow(archive_, SiteById(*archive_, *siteId), std::nullopt, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

QWidget* HistoryWindow::ShowStoredAnalyses() {
    if (archive_ == nullptr)
        return nullptr;
    auto* dialog = new StoredAnalysesDialog(*archive_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

}  // namespace terrovane::history
