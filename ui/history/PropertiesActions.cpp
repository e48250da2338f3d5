// The archive window's Properties of the site or test point chosen in the tree (its menu, or a
// double-click): saved at once, and the verdicts and due dates follow.
#include <QTimer>

#include "ChosenRows.h"
#include "HistoryWindow.h"
#include "PropertiesDialog.h"
#include "Sites.h"

namespace terrovane::history {

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
    const QString failed = tr("The properties could not be read.");
    bool saved = false;
    if (chosen.kind == TreeChoice::Kind::Site) {
        const auto site = ReadChosenSite(*archive_, chosen.id, failed);
        if (!site) {
            return;
        }
        SitePropertiesDialog dialog(site->fields, this);
        archive::SiteFields before = site->fields;
        dialog.save = [this, &chosen, &before](const archive::SiteFields& fields, std::string& why) {
            if (!archive::UpdateSite(*archive_, chosen.id, fields, why)) {
                return false;
            }
            RememberSite(tr("Site properties"), chosen.id, before, fields);
            before = fields;
            return true;
        };
        saved = RunProperties(dialog);
    } else if (chosen.kind == TreeChoice::Kind::Point) {
        const auto point = ReadChosenPoint(*archive_, chosen.id, failed);
        const auto site = point ? ReadChosenSite(*archive_, point->site, failed) : std::nullopt;
        if (!site) {
            return;
        }
        PointPropertiesDialog dialog(point->fields, site->fields, this);
        archive::PointFields before = point->fields;
        dialog.save = [this, &chosen, &before](const archive::PointFields& fields, std::string& why) {
            if (!archive::UpdatePoint(*archive_, chosen.id, fields, why)) {
                return false;
            }
            RememberPoint(tr("Test point properties"), chosen.id, before, fields);
            before = fields;
            return true;
        };
        saved = RunProperties(dialog);
    }
    if (saved) {
        Refresh();
    }
}

}  // namespace terrovane::history
