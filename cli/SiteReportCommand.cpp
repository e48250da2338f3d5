// terrovane-cli site report and site certificate: a site's report, or its points' certificates, as a PDF.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "IssueReport.h"
#include "ReportLanguage.h"
#include "SiteCertificate.h"
#include "SiteCommands.h"
#include "SiteReportPdf.h"
#include "TeamServer.h"

namespace terrovane::cli {
namespace {

// Checks the options both documents share, opens the archive and loads the site's report with the front
// the options give. An exit status when it cannot.
std::optional<int> LoadReport(const ParsedArguments& options, const std::string& command,
                              std::unique_ptr<archive::Archive>& store, sitereport::SiteReport& report) {
    for (const char* name : {"since", "until"}) {
        if (options.Has(name) && !IsCalendarDate(options.Value(name))) {
            return UsageError("site", CliText::tr("%1 takes a date as YYYY-MM-DD, not \"%2\"")
                                          .arg(Given("--" + std::string(name)), Given(options.Value(name))));
        }
    }
    if (options.Value("pdf").empty()) {
        return UsageError("site", CliText::tr("%1 needs --pdf FILE").arg(Given(command)));
    }
    if (options.Has("revise") && !options.Has("issue")) {
        return UsageError("site", CliText::tr("--revise NUMBER goes with --issue"));
    }
    if (const auto status = ChooseReportLanguage(options, "site")) {
        return *status;
    }
    store = OpenArchiveFor(command);
    if (store == nullptr) {
        return kExitFailed;
    }
    std::string error;
    if (!sitereport::LoadSiteReport(*store, options.positionals[0], options.Value("since"),
                                    options.Value("until"), ValiditySettings(), report, error)) {
        return CommandFailed(command, texts::ArchiveProblemText(error));
    }
    report.tester = options.Value("tester");
    report.instrument = options.Value("instrument");
    report.version = TERROVANE_VERSION;
    report.front.client = options.Value("client");
    report.front.preparedBy = options.Value("prepared-by");
    report.front.checkedBy = options.Value("checked-by");
    return std::nullopt;
}

int Report(const ParsedArguments& options) {
    std::unique_ptr<archive::Archive> store;
    sitereport::SiteReport report;
    if (const auto status = LoadReport(options, "site report", store, report)) {
        return *status;
    }
    if (options.Has("issue")) {
        return IssueSiteReport(*store, report, options);
    }
    std::string error;
    if (!sitereport::RenderSiteReportPdf(report, options.Value("pdf"), error)) {
        return CommandFailed("site report", texts::ArchiveProblemText(error));
    }
    Confirm(CliText::tr("site report of %1 written to %2 (%3)")
                .arg(Given(report.site.fields.name), Given(options.Value("pdf")),
                     sitereport::SummaryText(sitereport::Summarise(report))));
    return kExitOk;
}

int Certificate(const ParsedArguments& options) {
    std::unique_ptr<archive::Archive> store;
    sitereport::SiteReport report;
    if (const auto status = LoadReport(options, "site certificate", store, report)) {
        return *status;
    }
    std::string error;
    if (!sitereport::RenderCertificatesPdf(report, options.Value("point"), options.Value("pdf"), error)) {
        return CommandFailed("site certificate", texts::ArchiveProblemText(error));
    }
    Confirm(CliText::tr("certificates of %1 written to %2")
                .arg(Given(report.site.fields.name), Given(options.Value("pdf"))));
    return kExitOk;
}

// The options of both: the range, the site block and the front's own.
std::vector<DeclaredOption> DocumentOptions(const char* pdfHelp) {
    return {{"pdf", "FILE", pdfHelp, Presence::Required},
            {"since", "DATE", "Only results measured on or after DATE, YYYY-MM-DD."},
            {"until", "DATE", "Only results measured on or before DATE, YYYY-MM-DD."},
            {"tester", "T", "The tester's name for the site block."},
            {"instrument", "SERIAL",
             "The instrument's serial number for the site block (the instrument does not send it)."},
            {"client", "T", "The client the report is for, on its title page."},
            {"prepared-by", "T", "Who prepared the report: on its title page and to sign as tester."},
            {"checked-by", "T", "Who checked the report: on its title page and to sign as checker."},
            LanguageOption()};
}

}  // namespace

CommandForm SiteReportForm() {
    std::vector<DeclaredOption> options = DocumentOptions("The PDF file the report is written to.");
    options.push_back(
        {"issue", "", "Issues the report: numbered, dated and kept in the archive as it was issued."});
    options.push_back(
        {"revise", "NUMBER", "With --issue: the next revision of the report NUMBER, not a new number."});
    options.push_back(ServerOption());
    return {{"site report", {"SITE"}, options}, Report};
}

CommandForm SiteCertificateForm() {
    std::vector<DeclaredOption> options = DocumentOptions("The PDF file the certificates are written to.");
    options.insert(options.begin() + 1,
                   {"point", "NAME", "Only this test point's certificate; every point's without it."});
    return {{"site certificate", {"SITE"}, options}, Certificate};
}

}  // namespace terrovane::cli
