// The archive window's site and point actions: select all, assign, rename, delete, the site report.
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include <algorithm>

#include "ArchiveFailure.h"
#include "DeletionSnapshot.h"
#include "HistoryWindow.h"
#include "MessageBox.h"
#include "Problems.h"
#include "SiteCertificate.h"
#include "SiteReportPdf.h"
#include "SiteReportPrinting.h"
#include "Sites.h"
#include "ValiditySetting.h"
#include "Visits.h"

namespace terrovane::history {
namespace {

constexpr const char* kChooseResultsFirst =
    QT_TRANSLATE_NOOP("Messages", "Choose one or more results in the list first.");

}  // namespace

void HistoryWindow::SelectAll() {
    while (model_->canFetchMore({})) {
        model_->fetchMore({});
    }
    view_->selectAll();
    view_->setFocus();
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void HistoryWindow::AssignSelected() {
    std::vector<int> rows = SelectedRows();
    if (rows.empty()) {
        return platform::Alert(kChooseResultsFirst);
    }
    // A campaign's run goes to the points in the order it was measured: read-out, then slot.
    std::sort(rows.begin(), rows.end(), [this](int a, int b) {
        const archive::ResultRow* left = model_->RowAt(a);
        const archive::ResultRow* right = model_->RowAt(b);
        return std::pair(left->readout, left->slot) < std::pair(right->readout, right->slot);
    });
    std::vector<std::int64_t> ids;
    for (int row : rows) {
        ids.push_back(model_->RowAt(row)->id);
    }
    const ResultPoints before = PointsOf(ids);
    const auto assign = [this, &ids](const AssignChoice& choice, std::string& error) {
        return AssignResults(ids, choice, error);
    };
    bool done = false;
    if (assignChooser) {
        if (const std::optional<AssignChoice> choice = assignChooser(static_cast<int>(rows.size()))) {
            std::string error;
            done = assign(*choice, error);
            if (!done) {
                SayArchiveFailure(tr("The results could not be assigned."), *archive_, error);
            }
        }
    } else {
        AssignDialog dialog(*archive_, static_cast<int>(rows.size()), this);
        dialog.OfferVisitsOf(ids);
        dialog.assign = assign;
        if (assignDialogShown) {
            QTimer::singleShot(0, &dialog, [this, &dialog] { assignDialogShown(dialog); });
        }
        done = dialog.exec() == QDialog::Accepted;
    }
    if (done) {
        const int assigned = static_cast<int>(ids.size());
        status_->setText(tr("%n result(s) assigned", nullptr, assigned));
        Remember(
            tr("Assign %n result(s)", nullptr, assigned),
            [this, before](std::string& error) { return AssignEach(*archive_, before, error); },
            [this, after = PointsOf(ids)](std::string& error) {
                return AssignEach(*archive_, after, error);
            });
    }
    tree_->Reload(archive_);
    model_->Reload();
}

bool HistoryWindow::AssignResults(const std::vector<std::int64_t>& ids, const AssignChoice& choice,
                                  std::string& error) {
    // In one unit of work: results never end up at the point but, refused, outside the visit offered.
    return archive_->Write(
        [&](archive::Database&, std::string& why) { return AssignInOneUnit(ids, choice, why); }, error);
}

bool HistoryWindow::AssignInOneUnit(const std::vector<std::int64_t>& ids, const AssignChoice& choice,
                                    std::string& error) {
    if (!choice.inOrder) {
        if (!archive::Assign(*archive_, ids, choice.point, error)) {
            return false;
        }
    } else {
        std::vector<archive::PointRow> points;
        if (!archive::Points(*archive_, choice.site, points, error)) {
            return false;
        }
        const auto first = std::find_if(points.begin(), points.end(), [&](const archive::PointRow& point) {
            return point.id == choice.point;
        });
        if (!archive::AssignInOrder(*archive_, ids, choice.site, static_cast<int>(first - points.begin()),
                                    error)) {
            return false;
        }
    }
    if (choice.visit != 0) {
        if (const archive::Result<int> joined = archive::AssignDayToVisit(*archive_, ids, choice.visit);
            !joined) {
            error = joined.Error().Text();
            return false;
        }
    }
    return true;
}

std::optional<QString> HistoryWindow::AskName(const QString& title, const QString& current) {
    if (nameAsker) {
        return nameAsker(title, current);
    }
    bool ok = false;
    const QString name = QInputDialog::getText(this, title, tr("Name:"), QLineEdit::Normal, current, &ok);
    return ok ? std::optional(name) : std::nullopt;
}

void HistoryWindow::RenameChosen() {
    const TreeChoice chosen = tree_->Current();
    std::string error;
    bool done = true;
    if (chosen.kind == TreeChoice::Kind::Site) {
        std::vector<archive::SiteRow> sites;
        const bool read = archive::Sites(*archive_, sites, error);
        const auto site =
            std::find_if(sites.begin(), sites.end(), [&](const auto& s) { return s.id == chosen.id; });
        if (!read || site == sites.end()) {
            SayArchiveFailure(tr("The name could not be changed."), *archive_,
                              read ? archive::Problem(archive::kNoSite, {std::to_string(chosen.id)}) : error);
            return Refresh();
        }
        const auto name = AskName(tr("Rename site"), QString::fromStdString(site->fields.name));
        if (!name) {
            return;
        }
        archive::SiteFields fields = site->fields;
        fields.name = name->toStdString();
        done = archive::UpdateSite(*archive_, chosen.id, fields, error);
        if (done) {
            RememberSite(tr("Rename site"), chosen.id, site->fields, fields);
        }
    } else if (chosen.kind == TreeChoice::Kind::Point) {
        const auto point = archive::PointById(*archive_, chosen.id, error);
        if (!point) {
            SayArchiveFailure(tr("The name could not be changed."), *archive_, error);
            return Refresh();
        }
        const auto name = AskName(tr("Rename test point"), QString::fromStdString(point->fields.name));
        if (!name) {
            return;
        }
        archive::PointFields fields = point->fields;
        fields.name = name->toStdString();
        done = archive::UpdatePoint(*archive_, chosen.id, fields, error);
        if (done) {
            RememberPoint(tr("Rename test point"), chosen.id, point->fields, fields);
        }
    }
    if (!done) {
        SayArchiveFailure(tr("The name could not be changed."), *archive_, error);
    }
    Refresh();
}

bool HistoryWindow::DeleteRemembered(const QString& text, archive::Result<archive::DeletionSnapshot> deleted,
                                     std::string& error) {
    if (!deleted) {
        error = deleted.Error().Text();
        return false;
    }
    RememberDeletion(text, std::move(deleted).Value());
    return true;
}

void HistoryWindow::DeleteChosen() {
    const TreeChoice chosen = tree_->Current();
    std::string error;
    bool done = true;
    if (chosen.kind == TreeChoice::Kind::Point) {
        const auto point = archive::PointById(*archive_, chosen.id, error);
        if (!point) {
            SayArchiveFailure(tr("It could not be deleted."), *archive_, error);
            return Refresh();
        }
        if (point->results > 0 &&
            !platform::AskBeforeDeleting(
                QT_TRANSLATE_N_NOOP("Messages",
                                    "Test point \"%1\" has %n result(s). Delete the point? "
                                    "Its results stay in the archive, unassigned."),
                {point->fields.name}, point->results)) {
            return;
        }
        done = DeleteRemembered(tr("Delete test point"),
                                archive::DeletePointKeepingSnapshot(*archive_, chosen.id), error);
    } else if (chosen.kind == TreeChoice::Kind::Site) {
        if (!platform::AskBeforeDeleting(
                QT_TRANSLATE_NOOP("Messages",
                                  "Delete this site with its test points and visits? Their results stay in "
                                  "the archive, unassigned."))) {
            return;
        }
        done = DeleteRemembered(tr("Delete site"), archive::DeleteSiteKeepingSnapshot(*archive_, chosen.id),
                                error);
    }
    if (!done) {
        SayArchiveFailure(tr("It could not be deleted."), *archive_, error);
    }
    Refresh();
}

void HistoryWindow::ReportChosenSite() {
    const TreeChoice chosen = tree_->Current();
    std::string error;
    std::int64_t siteId = chosen.kind == TreeChoice::Kind::Site ? chosen.id : 0;
    if (chosen.kind == TreeChoice::Kind::Point) {
        if (const auto point = archive::PointById(*archive_, chosen.id, error)) {
            siteId = point->site;
        } else {
            return SayArchiveFailure(tr("The site report could not be made."), *archive_, error);
        }
    }
    std::vector<archive::SiteRow> sites;
    if (siteId != 0 && !archive::Sites(*archive_, sites, error)) {
        return SayArchiveFailure(tr("The site report could not be made."), *archive_, error);
    }
    const auto site = std::find_if(sites.begin(), sites.end(), [&](const auto& s) { return s.id == siteId; });
    if (site == sites.end()) {
        return platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "Choose a site or one of its test points in the tree first."));
    }
    QStringList issued;
    if (const auto reports = archive::IssuedReportsOf(*archive_, site->id)) {
        for (const archive::IssuedReport& each : reports.Value()) {
            if (!issued.contains(QString::fromStdString(each.number))) {
                issued.append(QString::fromStdString(each.number));
            }
        }
    }
    const auto request = AskReport(QString::fromStdString(site->fields.name), issued);
    if (!request) {
        return;
    }
    RememberReportRequest(*request);
    sitereport::SiteReport report;
    const std::string since = sinceOn_->isChecked() ? since_->date().toString(Qt::ISODate).toStdString() : "";
    const std::string until = untilOn_->isChecked() ? until_->date().toString(Qt::ISODate).toStdString() : "";
    if (!sitereport::LoadSiteReport(*archive_, site->fields.name, since, until, ValiditySettings(), report,
                                    error)) {
        return SayArchiveFailure(tr("The site report could not be made."), *archive_, error);
    }
    report.tester = request->tester.toStdString();
    report.instrument = request->instrument.toStdString();
    report.version = TERROVANE_VERSION;
    report.front.client = request->client.toStdString();
    report.front.preparedBy = request->preparedBy.toStdString();
    report.front.checkedBy = request->checkedBy.toStdString();
    if (request->output == SiteReportRequest::Output::Pdf) {
        return SaveSiteReport(report);
    }
    if (request->output == SiteReportRequest::Output::Issue) {
        return IssueSiteReport(report, request->revise);
    }
    if (request->output == SiteReportRequest::Output::Certificates) {
        return SaveCertificates(report);
    }
    PreviewSiteReport(report, this, previewShown);
}

std::optional<SiteReportRequest> HistoryWindow::AskReport(const QString& site, const QStringList& issued) {
    const SiteReportRequest last = RememberedReportRequest();
    if (reportAsker) {
        return reportAsker(site, last);
    }
    SiteReportDialog dialog(site, last, this, issued);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Value();
}

void HistoryWindow::SaveSiteReport(const sitereport::SiteReport& report) {
    const QString path =
        reportFileChooser ? reportFileChooser() : AskSaveFile(tr("Site report"), tr("PDF file (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    std::string error;
    if (!sitereport::RenderSiteReportPdf(report, path.toStdString(), error)) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The site report could not be written: %1"),
                               {error});
    }
    status_->setText(tr("Site report of %1 written to %2 (%3)")
                         .arg(QString::fromStdString(report.site.fields.name), path,
                              sitereport::SummaryText(sitereport::Summarise(report))));
}

void HistoryWindow::SaveCertificates(const sitereport::SiteReport& report) {
    const QString path =
        reportFileChooser ? reportFileChooser() : AskSaveFile(tr("Certificates"), tr("PDF file (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    std::string error;
    if (!sitereport::RenderCertificatesPdf(report, "", path.toStdString(), error)) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The certificates could not be written: %1"),
                               {error});
    }
    status_->setText(
        tr("Certificates of %1 written to %2").arg(QString::fromStdString(report.site.fields.name), path));
}

void HistoryWindow::BuildTreeMenu() {
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (archive_ == nullptr) {
            return;
        }
        const TreeChoice chosen = tree_->Current();
        const bool named = chosen.kind == TreeChoice::Kind::Site || chosen.kind == TreeChoice::Kind::Point;
        QMenu menu(this);
        menu.addAction(tr("Properties..."), this, &HistoryWindow::EditChosenProperties)->setEnabled(named);
        menu.addAction(tr("Rename..."), this, &HistoryWindow::RenameChosen)->setEnabled(named);
        menu.addAction(tr("Delete..."), this, &HistoryWindow::DeleteChosen)->setEnabled(named);
        menu.addAction(tr("Grid safety..."), this, &HistoryWindow::ShowGridSafety)->setEnabled(named);
        menu.addAction(tr("Attach photos or documents..."), attachments_, &AttachmentStrip::AddByDialog)
            ->setEnabled(named);
        menu.addSeparator();
        menu.addAction(tr("New site..."), this, &HistoryWindow::NewSite);
        menu.addAction(tr("New site as a copy of..."), this, &HistoryWindow::NewSiteAsCopy);
        menu.addAction(tr("New test point..."), this, &HistoryWindow::NewPoint)->setEnabled(named);
        menu.exec(tree_->viewport()->mapToGlobal(at));
    });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] {
        const TreeChoice chosen = tree_->Current();
        if (chosen.kind == TreeChoice::Kind::Site || chosen.kind == TreeChoice::Kind::Point) {
            EditChosenProperties();
        }
    });
}

}  // namespace terrovane::history
