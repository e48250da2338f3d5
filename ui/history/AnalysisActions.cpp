// "Soil model..." and "Fall of potential..." of the archive window: the engineering windows on the chosen
// results (or, for the soil model, on every resistivity result of the chosen site).
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
    const QString failed = tr("The soil model could not be opened.");
    std::optional<engineering::SiteChoice> site;
    if (!SiteOfChoice(*archive_, chosen, failed, site))
        return nullptr;
    if (rows.empty() && site) {
        archive::ResultFilter filter;
        filter.siteId = site->id;
        filter.mode = record::CodeOf(record::Mode::Resistivity);
        std::string error;
        if (!archive_->Results(filter, {}, -1, 0, rows, error)) {
            SayArchiveFailure(tr("The site's resistivity results could not be read."), *archive_, error);
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
            const auto found = archive::FindSite(*archive_, *name, error);
            if (!found) {
                SayArchiveFailure(failed, *archive_, error);
                return nullptr;
            }
            site = SiteChoiceOf(found);
        }
    }
    auto* window = new engineering::SoilWindow(archive_, rows, site, this, ValiditySettings());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

QWidget* HistoryWindow::ShowFallOfPotential() {
    if (archive_ == nullptr)
        return nullptr;
    const std::vector<archive::ResultRow> rows = SelectedResults();
    const TreeChoice chosen = tree_->Current();
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
            ReadChosenPoint(*archive_, *pointId, tr("The fall-of-potential window could not be opened."));
        if (!row)
            return nullptr;
        point = engineering::PointChoice{row->id,
                                         QString::fromStdString(row->siteName + " / " + row->fields.name)};
    }
    auto* window = new engineering::FopWindow(archive_, rows, point, this, ValiditySettings());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

QWidget* HistoryWindow::ShowGridSafety() {
    if (archive_ == nullptr)
        return nullptr;
    const TreeChoice chosen = tree_->Current();
    std::optional<engineering::SiteChoice> site;
    if (!SiteOfChoice(*archive_, chosen, tr("The grid safety window could not be opened."), site))
        return nullptr;
    if (!site) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "Choose a site in the tree first."));
        return nullptr;
    }
    auto* window = new engineering::GridWindow(archive_, site, std::nullopt, this);
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
