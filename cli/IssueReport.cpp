// terrovane-cli site report --issue: a numbered report, kept as it was issued.
#include "IssueReport.h"

#include <QDate>

#include <pwd.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Firm.h"
#include "FirmProblems.h"
#include "IssuedReports.h"
#include "LanguageChoice.h"
#include "Problems.h"
#include "ReportNumbers.h"
#include "SiteReportPdf.h"
#include "TeamServer.h"

namespace terrovane::cli {
namespace {

// The account this program runs under, for "issued by" when no team login says it.
std::string AccountName() {
    const passwd* account = getpwuid(getuid());
    return account != nullptr && account->pw_name != nullptr ? account->pw_name : "";
}

struct IssuedNumber {
    std::string number;
    int revision = 1;
    std::string by;
};

// A new number: the server's in a team when it answers, else this device's. False after a message.
bool NewNumber(archive::Archive& archive, const std::string& prefix, int year, const ParsedArguments& options,
               IssuedNumber& issued) {
    const archive::Result<bool> inTeam = sync::InTeam(archive);
    if (!inTeam) {
        CommandFailed("site report", texts::FailureText(inTeam.Error()));
        return false;
    }
    issued.by = AccountName();
    if (inTeam.Value()) {
        pg::ConnectOptions connection;
        connection.conninfo = TeamServerConninfo(options);
        connection.applicationName = "terrovane-cli";
        connection.connectTimeout = std::chrono::seconds(5);
        const archive::ServerReportNumber answer = sync::IssueServerReportNumber(connection, prefix, year);
        using Outcome = archive::ServerReportNumber::Outcome;
        if (answer.outcome == Outcome::Issued) {
            issued.number = answer.number;
            issued.by = answer.by;
            return true;
        }
        if (answer.outcome == Outcome::Refused) {
            CommandFailed("site report",
                          CliText::tr("the team server issues report numbers to inspectors and "
                                      "admins only: %1")
                              .arg(Given(answer.detail)));
            return false;
        }
        Tell("site report", CliText::tr("the team server gave no number (%1); this PC issues one of its own")
                                .arg(Given(answer.detail)));
    }
    const archive::Result<std::string> number = archive::CountDeviceReportNumber(archive, prefix, year);
    if (!number) {
        CommandFailed("site report", texts::FailureText(number.Error()));
        return false;
    }
    issued.number = number.Value();
    return true;
}

bool ReadWhole(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream read;
    read << in.rdbuf();
    bytes = read.str();
    return in.good() || in.eof();
}

}  // namespace

int IssueSiteReport(archive::Archive& archive, sitereport::SiteReport& report,
                    const ParsedArguments& options) {
    const QDate today = QDate::currentDate();
    IssuedNumber issued;
    if (options.Has("revise")) {
        const archive::Result<int> revision =
            archive::NextRevision(archive, options.Value("revise"), report.site.id, report.site.fields.name);
        if (!revision) {
            return CommandFailed("site report", texts::FailureText(revision.Error()));
        }
        issued = {options.Value("revise"), revision.Value(), AccountName()};
    } else {
        if (report.front.firm.prefix.empty()) {
            return CommandFailed("site report",
                                 texts::ArchiveProblemText(archive::Problem(archive::kNoReportPrefix)));
        }
        if (!NewNumber(archive, report.front.firm.prefix, today.year(), options, issued)) {
            return kExitFailed;
        }
    }
    report.front.number = issued.number;
    report.front.revision = issued.revision;
    report.front.issueDate = today.toString(Qt::ISODate).toStdString();
    std::string error;
    if (!sitereport::RenderSiteReportPdf(report, options.Value("pdf"), error)) {
        return CommandFailed("site report", texts::ArchiveProblemText(error));
    }
    archive::NewIssuedReport kept{issued.number,
                                  issued.revision,
                                  report.site.id,
                                  report.site.fields.name,
                                  report.front.issueDate,
                                  issued.by,
                                  "",
                                  {}};
    if (const auto language = translations::InstalledLanguage()) {
        kept.language = translations::LanguageCode(*language);
    }
    if (!ReadWhole(options.Value("pdf"), kept.pdf) || kept.pdf.empty()) {
        return CommandFailed("site report",
                             CliText::tr("the report written to %1 cannot be read back to keep it")
                                 .arg(Given(options.Value("pdf"))));
    }
    if (const archive::Result<std::int64_t> id = archive::KeepIssuedReport(archive, kept); !id) {
        return CommandFailed("site report", texts::FailureText(id.Error()));
    }
    Confirm(CliText::tr("report %1, revision %2, issued %3 and kept in the archive")
                .arg(Given(issued.number), QString::number(issued.revision), Given(report.front.issueDate)));
    return kExitOk;
}

}  // namespace terrovane::cli
