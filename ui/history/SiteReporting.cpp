// The archive window's site report: previewed, saved, issued and kept; the issued reports and the firm.
#include "SiteReporting.h"

#include <QDate>

#include <algorithm>

#include <pwd.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "ArchiveFailure.h"
#include "ArchiveProblemText.h"
#include "Firm.h"
#include "FirmProblems.h"
#include "HistoryWindow.h"
#include "LanguageChoice.h"
#include "MessageBox.h"
#include "Problems.h"
#include "SiteCertificate.h"
#include "SiteReportPdf.h"
#include "SiteReportPrinting.h"
#include "Sites.h"
#include "ValiditySetting.h"

namespace terrovane::history {
namespace {

// The account the program runs under, for "issued by" when no team login says it.
std::string IssuerAccount() {
    const passwd* account = getpwuid(getuid());
    return account != nullptr && account->pw_name != nullptr ? account->pw_name : "";
}

bool ReadIssuedFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream read;
    read << in.rdbuf();
    bytes = read.str();
    return !bytes.empty();
}

}  // namespace

void SiteReporting::ReportChosenSite() {
    const TreeChoice chosen = controls_.tree->Current();
    std::string error;
    std::int64_t siteId = chosen.kind == TreeChoice::Kind::Site ? chosen.id : 0;
    if (chosen.kind == TreeChoice::Kind::Point) {
        if (const auto point = archive::PointById(*controls_.archive, chosen.id, error)) {
            siteId = point->site;
        } else {
            return SayArchiveFailure(HistoryWindow::tr("The site report could not be made."),
                                     *controls_.archive, error);
        }
    }
    std::vector<archive::SiteRow> sites;
    if (siteId != 0 && !archive::Sites(*controls_.archive, sites, error)) {
        return SayArchiveFailure(HistoryWindow::tr("The site report could not be made."), *controls_.archive,
                                 error);
    }
    const auto site = std::find_if(sites.begin(), sites.end(), [&](const auto& s) { return s.id == siteId; });
    if (site == sites.end()) {
        return platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "Choose a site or one of its test points in the tree first."));
    }
    QStringList issued;
    if (const auto reports = archive::IssuedReportsOf(*controls_.archive, site->id)) {
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
    const std::string since = filters_.SinceEnabled().isChecked()
                                  ? filters_.Since().date().toString(Qt::ISODate).toStdString()
                                  : "";
    const std::string until = filters_.UntilEnabled().isChecked()
                                  ? filters_.Until().date().toString(Qt::ISODate).toStdString()
                                  : "";
    if (!sitereport::LoadSiteReport(*controls_.archive, site->fields.name, since, until, ValiditySettings(),
                                    report, error)) {
        return SayArchiveFailure(HistoryWindow::tr("The site report could not be made."), *controls_.archive,
                                 error);
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
    PreviewSiteReport(report, controls_.window, previewShown);
}

std::optional<SiteReportRequest> SiteReporting::AskReport(const QString& site, const QStringList& issued) {
    const SiteReportRequest last = RememberedReportRequest();
    if (reportAsker) {
        return reportAsker(site, last);
    }
    SiteReportDialog dialog(site, last, controls_.window, issued);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Value();
}

void SiteReporting::SaveSiteReport(const sitereport::SiteReport& report) {
    const QString path = reportFileChooser ? reportFileChooser()
                                           : AskSaveFile(controls_.window, HistoryWindow::tr("Site report"),
                                                         HistoryWindow::tr("PDF file (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    std::string error;
    if (!sitereport::RenderSiteReportPdf(report, path.toStdString(), error)) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The site report could not be written: %1"),
                               {error});
    }
    controls_.status->setText(HistoryWindow::tr("Site report of %1 written to %2 (%3)")
                                  .arg(QString::fromStdString(report.site.fields.name), path,
                                       sitereport::SummaryText(sitereport::Summarise(report))));
}

void SiteReporting::SaveCertificates(const sitereport::SiteReport& report) {
    const QString path = reportFileChooser ? reportFileChooser()
                                           : AskSaveFile(controls_.window, HistoryWindow::tr("Certificates"),
                                                         HistoryWindow::tr("PDF file (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    std::string error;
    if (!sitereport::RenderCertificatesPdf(report, "", path.toStdString(), error)) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The certificates could not be written: %1"),
                               {error});
    }
    controls_.status->setText(HistoryWindow::tr("Certificates of %1 written to %2")
                                  .arg(QString::fromStdString(report.site.fields.name), path));
}

void SiteReporting::EditFirm() {
    if (controls_.archive == nullptr) {
        return;
    }
    archive::Result<archive::FirmProfile> firm = archive::LoadFirm(*controls_.archive);
    if (!firm) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The firm's profile cannot be read: %1"),
                               {texts::FailureText(firm.Error()).toStdString()});
    }
    FirmDialog dialog(firm.Value(), inTeam && inTeam(), controls_.window);
    if (firmShown) {
        firmShown(dialog);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (const archive::Status saved = archive::SaveFirm(*controls_.archive, dialog.Value()); !saved) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The firm's profile was not kept: %1"),
                               {texts::FailureText(saved.Error()).toStdString()});
    }
    controls_.status->setText(HistoryWindow::tr("The firm's profile is kept."));
}

std::optional<archive::SiteRow> SiteReporting::ChosenSite(const QString& failure) {
    const TreeChoice chosen = controls_.tree->Current();
    std::string error;
    std::int64_t siteId = chosen.kind == TreeChoice::Kind::Site ? chosen.id : 0;
    if (chosen.kind == TreeChoice::Kind::Point) {
        if (const auto point = archive::PointById(*controls_.archive, chosen.id, error)) {
            siteId = point->site;
        } else {
            SayArchiveFailure(failure, *controls_.archive, error);
            return std::nullopt;
        }
    }
    std::vector<archive::SiteRow> sites;
    if (siteId != 0 && !archive::Sites(*controls_.archive, sites, error)) {
        SayArchiveFailure(failure, *controls_.archive, error);
        return std::nullopt;
    }
    const auto site = std::find_if(sites.begin(), sites.end(), [&](const auto& s) { return s.id == siteId; });
    if (site == sites.end()) {
        platform::Alert(
            QT_TRANSLATE_NOOP("Messages", "Choose a site or one of its test points in the tree first."));
        return std::nullopt;
    }
    return *site;
}

IssuedReportsDialog* SiteReporting::ShowIssuedReports() {
    if (controls_.archive == nullptr) {
        return nullptr;
    }
    const std::optional<archive::SiteRow> site =
        ChosenSite(HistoryWindow::tr("The issued reports cannot be listed."));
    if (!site) {
        return nullptr;
    }
    auto* dialog = new IssuedReportsDialog(*controls_.archive, *site, controls_.window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

void SiteReporting::IssueSiteReport(sitereport::SiteReport& report, const QString& revise) {
    const QDate today = QDate::currentDate();
    // Where it goes is asked first: a cancelled issue takes no number.
    const QString path = reportFileChooser
                             ? reportFileChooser()
                             : AskSaveFile(controls_.window, HistoryWindow::tr("Issue the site report"),
                                           HistoryWindow::tr("PDF file (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    std::string number = revise.toStdString();
    int revision = 1;
    std::string by = IssuerAccount();
    if (!revise.isEmpty()) {
        const archive::Result<int> next =
            archive::NextRevision(*controls_.archive, number, report.site.id, report.site.fields.name);
        if (!next) {
            return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The report was not issued: %1"),
                                   {texts::FailureText(next.Error()).toStdString()});
        }
        revision = next.Value();
    } else {
        const std::string& prefix = report.front.firm.prefix;
        if (prefix.empty()) {
            return platform::Alert(
                QT_TRANSLATE_NOOP("Messages", "The report was not issued: %1"),
                {texts::ArchiveProblemText(archive::Problem(archive::kNoReportPrefix)).toStdString()});
        }
        using Outcome = archive::ServerReportNumber::Outcome;
        const archive::ServerReportNumber answer =
            serverReportNumber ? serverReportNumber(prefix, today.year()) : archive::ServerReportNumber{};
        if (answer.outcome == Outcome::Refused) {
            return platform::Alert(QT_TRANSLATE_NOOP(
                "Messages", "The team server issues report numbers to inspectors and admins only."));
        }
        if (answer.outcome == Outcome::Issued) {
            number = answer.number;
            by = answer.by;
        } else {
            const archive::Result<std::string> counted =
                archive::CountDeviceReportNumber(*controls_.archive, prefix, today.year());
            if (!counted) {
                return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The report was not issued: %1"),
                                       {texts::FailureText(counted.Error()).toStdString()});
            }
            number = counted.Value();
        }
    }
    report.front.number = number;
    report.front.revision = revision;
    report.front.issueDate = today.toString(Qt::ISODate).toStdString();
    std::string error;
    archive::NewIssuedReport kept{
        number, revision, report.site.id, report.site.fields.name, report.front.issueDate, by, "", {}};
    if (const auto language = translations::InstalledLanguage()) {
        kept.language = translations::LanguageCode(*language);
    }
    if (!sitereport::RenderSiteReportPdf(report, path.toStdString(), error) ||
        !ReadIssuedFile(path.toStdString(), kept.pdf)) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The site report could not be written: %1"),
                               {error});
    }
    if (const archive::Result<std::int64_t> id = archive::KeepIssuedReport(*controls_.archive, kept); !id) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The report was not issued: %1"),
                               {texts::FailureText(id.Error()).toStdString()});
    }
    controls_.status->setText(HistoryWindow::tr("Report %1, revision %2, issued and kept in the archive (%3)")
                                  .arg(QString::fromStdString(number))
                                  .arg(revision)
                                  .arg(path));
}

}  // namespace terrovane::history
