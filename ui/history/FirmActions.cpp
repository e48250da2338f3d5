// The archive window's firm, issued reports and the issuing of a site report.
#include <QDate>

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
#include "SiteReportPdf.h"
#include "Sites.h"

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

void HistoryWindow::EditFirm() {
    if (archive_ == nullptr) {
        return;
    }
    archive::Result<archive::FirmProfile> firm = archive::LoadFirm(*archive_);
    if (!firm) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The firm's profile cannot be read: %1"),
                               {texts::ArchiveProblemText(firm.Error().Text()).toStdString()});
    }
    FirmDialog dialog(firm.Value(), inTeam && inTeam(), this);
    if (firmShown) {
        firmShown(dialog);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (const archive::Status saved = archive::SaveFirm(*archive_, dialog.Value()); !saved) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The firm's profile was not kept: %1"),
                               {texts::ArchiveProblemText(saved.Error().Text()).toStdString()});
    }
    status_->setText(tr("The firm's profile is kept."));
}

std::optional<archive::SiteRow> HistoryWindow::ChosenSite(const QString& failure) {
    const TreeChoice chosen = tree_->Current();
    std::string error;
    std::int64_t siteId = chosen.kind == TreeChoice::Kind::Site ? chosen.id : 0;
    if (chosen.kind == TreeChoice::Kind::Point) {
        if (const auto point = archive::PointById(*archive_, chosen.id, error)) {
            siteId = point->site;
        } else {
            SayArchiveFailure(failure, *archive_, error);
            return std::nullopt;
        }
    }
    std::vector<archive::SiteRow> sites;
    if (siteId != 0 && !archive::Sites(*archive_, sites, error)) {
        SayArchiveFailure(failure, *archive_, error);
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

IssuedReportsDialog* HistoryWindow::ShowIssuedReports() {
    if (archive_ == nullptr) {
        return nullptr;
    }
    const std::optional<archive::SiteRow> site = ChosenSite(tr("The issued reports cannot be listed."));
    if (!site) {
        return nullptr;
    }
    auto* dialog = new IssuedReportsDialog(*archive_, *site, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

void HistoryWindow::IssueSiteReport(sitereport::SiteReport& report, const QString& revise) {
    const QDate today = QDate::currentDate();
    // Where it goes is asked first: a cancelled issue takes no number.
    const QString path = reportFileChooser ? reportFileChooser()
                                           : AskSaveFile(tr("Issue the site report"), tr("PDF file (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    std::string number = revise.toStdString();
    int revision = 1;
    std::string by = IssuerAccount();
    if (!revise.isEmpty()) {
        const archive::Result<int> next =
            archive::NextRevision(*archive_, number, report.site.id, report.site.fields.name);
        if (!next) {
            return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The report was not issued: %1"),
                                   {texts::ArchiveProblemText(next.Error().Text()).toStdString()});
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
                archive::CountDeviceReportNumber(*archive_, prefix, today.year());
            if (!counted) {
                return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The report was not issued: %1"),
                                       {texts::ArchiveProblemText(counted.Error().Text()).toStdString()});
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
    if (const archive::Result<std::int64_t> id = archive::KeepIssuedReport(*archive_, kept); !id) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The report was not issued: %1"),
                               {texts::ArchiveProblemText(id.Error().Text()).toStdString()});
    }
    status_->setText(tr("Report %1, revision %2, issued and kept in the archive (%3)")
                         .arg(QString::fromStdString(number))
                         .arg(revision)
                         .arg(path));
}

}  // namespace terrovane::history
