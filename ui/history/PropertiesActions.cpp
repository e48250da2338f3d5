// The archive window's Properties of the site or test point chosen in the tree (its menu, or a
// double-click): saved at once, and the verdicts and due dates follow.
#include <QTimer>

#include <algorithm>

#include "HistoryWindow.h"
#include "PropertiesDialog.h"
#include "Sites.h"

namespace terrovane::history {
namespace {

std::optional<archive::SiteRow> SiteById(archive::Archive& archive, std::int64_t id) {
    std::vector<archive::SiteRow> sites;
    std::string error;
    archive::Sites(archive, sites, error);
    const auto site = std::find_if(sites.begin(), sites.end(), [id](const auto& s) { return s.id == id; });
    return site == sites.end() ? std::nullopt : std::optional(*site);
}

}  // namespace

bool HistoryWindow::RunProperties(QDialog& dialog) {
    if (propertiesShown) {
        QTimer::singleShot(0, &dialog, [this, &dialog] { propertiesShown(dialog); });
    }
    return dialog.exec() == QDialog::Accepted;
}

void HistoryWindow::EditChosenProperties() {
    if (archive_ == nullptr) {
        return;
    }
    const TreeChoice chosen = tree_->Current();
    std::string error;
    bool saved = false;
    if (chosen.kind == TreeChoice::Kind::Site) {
        const auto site = SiteById(*archive_, chosen.id);
        if (!site) {
            return;
        }
        SitePropertiesDialog dialog(site->fields, this);
        dialog.save = [this, &chosen](const archive::SiteFields& fields, std::string& why) {
            return archive::UpdateSite(*archive_, chosen.id, fields, why);
        };
        saved = RunProperties(dialog);
    } else if (chosen.kind == TreeChoice::Kind::Point) {
        const auto point = archive::PointById(*archive_, chosen.id, error);
        const auto site = point ? SiteById(*archive_, point->site) : std::nullopt;
        if (!site) {
            return;
        }
        PointPropertiesDialog dialog(point->fields, site->fields, this);
        dialog.save = [this, &chosen](const archive::PointFields& fields, std::string& why) {
            return archive::UpdatePoint(*archive_, chosen.id, fields, why);
        };
        saved = RunProperties(dialog);
    }
    if (saved) {
        Refresh();
    }
}

}  // namespace terrovane::history
