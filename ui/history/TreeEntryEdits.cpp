// The archive window's renaming, deletion and Properties of the site or test point chosen in the tree;
// the verdicts and due dates follow a saved Properties dialog.
#include "TreeEntryEdits.h"

#include <QInputDialog>
#include <QTimer>

#include <algorithm>

#include "ArchiveFailure.h"
#include "ChosenRows.h"
#include "HistoryWindow.h"
#include "MessageBox.h"
#include "Problems.h"
#include "PropertiesDialog.h"
#include "Sites.h"

namespace terrovane::history {

std::optional<QString> TreeEntryEdits::AskName(const QString& title, const QString& current) {
    if (nameAsker) {
        return nameAsker(title, current);
    }
    bool ok = false;
    const QString name = QInputDialog::getText(controls_.window, title, HistoryWindow::tr("Name:"),
                                               QLineEdit::Normal, current, &ok);
    return ok ? std::optional(name) : std::nullopt;
}

void TreeEntryEdits::RenameChosen() {
    const TreeChoice chosen = controls_.tree->Current();
    std::string error;
    bool done = true;
    if (chosen.kind == TreeChoice::Kind::Site) {
        std::vector<archive::SiteRow> sites;
        const bool read = archive::Sites(*controls_.archive, sites, error);
        const auto site =
            std::find_if(sites.begin(), sites.end(), [&](const auto& s) { return s.id == chosen.id; });
        if (!read || site == sites.end()) {
            SayArchiveFailure(HistoryWindow::tr("The name could not be changed."), *controls_.archive,
                              read ? archive::Problem(archive::kNoSite, {std::to_string(chosen.id)}) : error);
            return controls_.window->Refresh();
        }
        const auto name =
            AskName(HistoryWindow::tr("Rename site"), QString::fromStdString(site->fields.name));
        if (!name) {
            return;
        }
        archive::SiteFields fields = site->fields;
        fields.name = name->toStdString();
        done = archive::UpdateSite(*controls_.archive, chosen.id, fields, error);
        if (done) {
            undo_.RememberSite(HistoryWindow::tr("Rename site"), chosen.id, site->fields, fields);
        }
    } else if (chosen.kind == TreeChoice::Kind::Point) {
        const auto point = archive::PointById(*controls_.archive, chosen.id, error);
        if (!point) {
            SayArchiveFailure(HistoryWindow::tr("The name could not be changed."), *controls_.archive, error);
            return controls_.window->Refresh();
        }
        const auto name =
            AskName(HistoryWindow::tr("Rename test point"), QString::fromStdString(point->fields.name));
        if (!name) {
            return;
        }
        archive::PointFields fields = point->fields;
        fields.name = name->toStdString();
        done = archive::UpdatePoint(*controls_.archive, chosen.id, fields, error);
        if (done) {
            undo_.RememberPoint(HistoryWindow::tr("Rename test point"), chosen.id, point->fields, fields);
        }
    }
    if (!done) {
        SayArchiveFailure(HistoryWindow::tr("The name could not be changed."), *controls_.archive, error);
    }
    controls_.window->Refresh();
}

bool TreeEntryEdits::DeleteRemembered(const QString& text, archive::Result<archive::DeletionSnapshot> deleted,
                                      std::string& error) {
    if (!deleted) {
        error = deleted.Error().Text();
        return false;
    }
    undo_.RememberDeletion(text, std::move(deleted).Value());
    return true;
}

void TreeEntryEdits::DeleteChosen() {
    const TreeChoice chosen = controls_.tree->Current();
    std::string error;
    bool done = true;
    if (chosen.kind == TreeChoice::Kind::Point) {
        const auto point = archive::PointById(*controls_.archive, chosen.id, error);
        if (!point) {
            SayArchiveFailure(HistoryWindow::tr("It could not be deleted."), *controls_.archive, error);
            return controls_.window->Refresh();
        }
        if (point->results > 0 &&
            !platform::AskBeforeDeleting(
                QT_TRANSLATE_N_NOOP("Messages",
                                    "Test point \"%1\" has %n result(s). Delete the point? "
                                    "Its results stay in the archive, unassigned."),
                {point->fields.name}, point->results)) {
            return;
        }
        done = DeleteRemembered(HistoryWindow::tr("Delete test point"),
                                archive::DeletePointKeepingSnapshot(*controls_.archive, chosen.id), error);
    } else if (chosen.kind == TreeChoice::Kind::Site) {
        if (!platform::AskBeforeDeleting(
                QT_TRANSLATE_NOOP("Messages",
                                  "Delete this site with its test points and visits? Their results stay in "
                                  "the archive, unassigned."))) {
            return;
        }
        done = DeleteRemembered(HistoryWindow::tr("Delete site"),
                                archive::DeleteSiteKeepingSnapshot(*controls_.archive, chosen.id), error);
    }
    if (!done) {
        SayArchiveFailure(HistoryWindow::tr("It could not be deleted."), *controls_.archive, error);
    }
    controls_.window->Refresh();
}

bool TreeEntryEdits::RunProperties(QDialog& dialog) {
    if (propertiesShown) {
        QTimer::singleShot(0, &dialog, [this, &dialog] { propertiesShown(dialog); });
    }
    return dialog.exec() == QDialog::Accepted;
}

void TreeEntryEdits::EditChosenProperties() {
    if (controls_.archive == nullptr) {
        return;
    }
    const TreeChoice chosen = controls_.tree->Current();
    const QString failed = HistoryWindow::tr("The properties could not be read.");
    bool saved = false;
    if (chosen.kind == TreeChoice::Kind::Site) {
        const auto site = ReadChosenSite(*controls_.archive, chosen.id, failed);
        if (!site) {
            return;
        }
        SitePropertiesDialog dialog(site->fields, controls_.window);
        archive::SiteFields before = site->fields;
        dialog.save = [this, &chosen, &before](const archive::SiteFields& fields, std::string& why) {
            if (!archive::UpdateSite(*controls_.archive, chosen.id, fields, why)) {
                return false;
            }
            undo_.RememberSite(HistoryWindow::tr("Site properties"), chosen.id, before, fields);
            before = fields;
            return true;
        };
        saved = RunProperties(dialog);
    } else if (chosen.kind == TreeChoice::Kind::Point) {
        const auto point = ReadChosenPoint(*controls_.archive, chosen.id, failed);
        const auto site = point ? ReadChosenSite(*controls_.archive, point->site, failed) : std::nullopt;
        if (!site) {
            return;
        }
        PointPropertiesDialog dialog(point->fields, site->fields, controls_.window);
        archive::PointFields before = point->fields;
        dialog.save = [this, &chosen, &before](const archive::PointFields& fields, std::string& why) {
            if (!archive::UpdatePoint(*controls_.archive, chosen.id, fields, why)) {
                return false;
            }
            undo_.RememberPoint(HistoryWindow::tr("Test point properties"), chosen.id, before, fields);
            before = fields;
            return true;
        };
        saved = RunProperties(dialog);
    }
    if (saved) {
        controls_.window->Refresh();
    }
}

}  // namespace terrovane::history
