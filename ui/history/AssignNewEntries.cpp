// Sites and test points made on the spot in the assignment step.
#include "AssignNewEntries.h"

#include <QTimer>

#include <algorithm>

#include "ArchiveFailure.h"
#include "ArchiveProblemText.h"
#include "AssignDialog.h"
#include "MessageBox.h"
#include "PropertiesDialog.h"
#include "Sites.h"

namespace terrovane::history {

bool AssignNewEntries::RunProperties(QDialog& dialog) {
    if (propertiesShown) {
        QTimer::singleShot(0, &dialog, [this, &dialog] { propertiesShown(dialog); });
    }
    return dialog.exec() == QDialog::Accepted;
}

void AssignNewEntries::AskNewSite() {
    SitePropertiesDialog dialog(archive::SiteFields{}, &dialog_);
    std::int64_t id = 0;
    dialog.save = [this, &id](const archive::SiteFields& fields, std::string& error) {
        return archive::AddSite(archive_, fields, id, error);
    };
    if (RunProperties(dialog)) {
        dialog_.FillSites(id);
    }
}

void AssignNewEntries::AskNewPoint() {
    const qlonglong site = dialog_.SiteChoice().currentData().toLongLong();
    std::vector<archive::SiteRow> sites;
    std::string error;
    if (!archive::Sites(archive_, sites, error)) {
        SayArchiveFailure(AssignDialog::tr("The test point could not be made."), archive_, error);
        return;
    }
    const auto row = std::find_if(sites.begin(), sites.end(), [site](const auto& s) { return s.id == site; });
    if (row == sites.end()) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "Choose or make a site first."));
        return;
    }
    PointPropertiesDialog dialog(archive::PointFields{}, row->fields, &dialog_);
    std::int64_t id = 0;
    dialog.save = [this, site, &id](const archive::PointFields& fields, std::string& error) {
        return archive::AddPoint(archive_, site, fields, id, error);
    };
    if (RunProperties(dialog)) {
        dialog_.FillPoints(id);
    }
}

bool AssignNewEntries::NewSite(const QString& name) {
    archive::SiteFields fields;
    fields.name = name.toStdString();
    std::int64_t id = 0;
    std::string error;
    if (!archive::AddSite(archive_, fields, id, error)) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "The site could not be made: %1"),
                        {texts::ArchiveProblemText(error).toStdString()});
        return false;
    }
    dialog_.FillSites(id);
    return true;
}

bool AssignNewEntries::NewPoint(const QString& name) {
    const qlonglong site = dialog_.SiteChoice().currentData().toLongLong();
    if (site == 0) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "Choose or make a site first."));
        return false;
    }
    archive::PointFields fields;
    fields.name = name.toStdString();
    std::int64_t id = 0;
    std::string error;
    if (!archive::AddPoint(archive_, site, fields, id, error)) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "The test point could not be made: %1"),
                        {texts::ArchiveProblemText(error).toStdString()});
        return false;
    }
    dialog_.FillPoints(id);
    return true;
}

}  // namespace terrovane::history
