// "Soil model..." and "Fall of potential..." of the archive window: the engineering windows on the chosen
// results (or, for the soil model, on every resistivity result of the chosen site).
#include "AnalysisWindows.h"

#include <algorithm>

#include "ArchiveFailure.h"
#include "ChosenRows.h"
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

std::optional<engineering::SiteChoice> SiteChoiceOf(const std::optional<archive::SiteRow>& site) {
    return site ? std::optional(engineering::SiteChoice{site->id, QString::fromStdString(site->fields.name)})
                : std::nullopt;
}

// The site of the tree's choice: the site itself or the chosen point's; unset when neither is chosen.
// False, after saying that `failed` and why, when the archive cannot read it.
bool SiteOfChoice(archive::Archive& archive, const TreeChoice& chosen, const QString& failed,
                  std::optional<engineering::SiteChoice>& site) {
    std::int64_t siteId = chosen.id;
    if (chosen.kind == TreeChoice::Kind::Point) {
        const auto point = ReadChosenPoint(archive, chosen.id, failed);
        if (!point)
            return false;
        siteId = point->site;
    } else if (chosen.kind != TreeChoice::Kind::Site) {
        return true;
    }
    site = SiteChoiceOf(ReadChosenSite(archive, siteId, failed));
    return site.has_value();
}

}  // namespace

QWidget* AnalysisWindows::ShowSoilModel() {
    if (controls_.archive == nullptr)
        return nullptr;
    std::vector<archive::ResultRow> rows = SelectedResults(controls_);
    const TreeChoice chosen = controls_.tree->Current();
    const QString failed = HistoryWindow::tr("The soil model could not be opened.");
    std::optional<engineering::SiteChoice> site;
    if (!SiteOfChoice(*controls_.archive, chosen, failed, site))
        return nullptr;
    if (rows.empty() && site) {
        archive::ResultFilter filter;
        filter.siteId = site->id;
        filter.mode = record::CodeOf(record::Mode::Resistivity);
        std::string error;
        if (!controls_.archive->Results(filter, {}, -1, 0, rows, error)) {
            SayArchiveFailure(HistoryWindow::tr("The site's resistivity results could not be read."),
                              *controls_.archive, error);
            return nullptr;
        }
    }
    // A site without resistivity results opens for a sounding typed in.
    if (rows.empty() && !site) {
        platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "Choose resistivity results, or a site in the tree, first."));
        return nullptr;
    }
    if (!site) {
        // Results of several points of one site: their site.
        const auto name = Common<std::string>(rows, [](const archive::ResultRow& r) {
            return r.site.empty() ? std::nullopt : std::optional(r.site);
        });
        if (name) {
            std::string error;
            const auto found = archive::FindSite(*controls_.archive, *name, error);
            if (!found) {
                SayArchiveFailure(failed, *controls_.archive, error);
                return nullptr;
            }
            site = SiteChoiceOf(found);
        }
    }
    auto* window =
        new engineering::SoilWindow(controls_.archive, rows, site, controls_.window, ValiditySettings());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

QWidget* AnalysisWindows::ShowFallOfPotential() {
    if (controls_.archive == nullptr)
        return nullptr;
    const std::vector<archive::ResultRow> rows = SelectedResults(controls_);
    const TreeChoice chosen = controls_.tree->Current();
    // A test point chosen without its results opens for a traverse typed in.
    if (rows.size() < 2 && chosen.kind != TreeChoice::Kind::Point) {
        platform::Alert(QT_TRANSLATE_NOOP(
            "Messages",
            "Choose the 3-pole results of one fall-of-potential run, or a test point to type a "
            "traverse in, first."));
        return nullptr;
    }
    std::optional<std::int64_t> pointId =
        chosen.kind == TreeChoice::Kind::Point
            ? std::optional(chosen.id)
            : Common<std::int64_t>(rows, [](const archive::ResultRow& r) { return r.point; });
    std::optional<engineering::PointChoice> point;
    if (pointId) {
        const auto row =
            ReadChosenPoint(*controls_.archive, *pointId,
                            HistoryWindow::tr("The fall-of-potential window could not be opened."));
        if (!row)
            return nullptr;
        point = engineering::PointChoice{row->id,
                                         QString::fromStdString(row->siteName + " / " + row->fields.name)};
    }
    auto* window =
        new engineering::FopWindow(controls_.archive, rows, point, controls_.window, ValiditySettings());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

QWidget* AnalysisWindows::ShowGridSafety() {
    if (controls_.archive == nullptr)
        return nullptr;
    const TreeChoice chosen = controls_.tree->Current();
    std::optional<engineering::SiteChoice> site;
    if (!SiteOfChoice(*controls_.archive, chosen,
                      HistoryWindow::tr("The grid safety window could not be opened."), site))
        return nullptr;
    if (!site) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "Choose a site in the tree first."));
        return nullptr;
    }
    auto* window = new engineering::GridWindow(controls_.archive, site, std::nullopt, controls_.window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

QWidget* AnalysisWindows::ShowStoredAnalyses() {
    if (controls_.archive == nullptr)
        return nullptr;
    auto* dialog = new StoredAnalysesDialog(*controls_.archive, controls_.window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

}  // namespace terrovane::history
