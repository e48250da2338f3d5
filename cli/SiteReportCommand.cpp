// terrovane-cli site report: a site's report as a PDF.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "IssueReport.h"
#include "ReportLanguage.h"
#include "SiteCommands.h"
#include "SiteReportPdf.h"
#include "TeamServer.h"

namespace terrovane::cli {
namespace {

int Report(const ParsedArguments& options) {
    for (const char* name : {"since", "until"}) {
        if (options.Has(name) && !IsCalendarDate(options.Value(name))) {
            return UsageError("site", CliText::tr("%1 takes a date as YYYY-MM-DD, not \"%2\"")
                                          .arg(Given("--" + std::string(name)), Given(options.Value(name))));
        }
    }
    if (options.Value("pdf").empty()) {
        return UsageError("site", CliText::tr("site report needs --pdf FILE"));
    }
    if (options.Has("revise") && !options.Has("issue")) {
        return UsageError("site", CliText::tr("--revise NUMBER goes with --issue"));
    }
    if (const auto status = ChooseReportLanguage(options, "site")) {
        return *status;
    }
    auto store = OpenArchiveFor("site report");
    if (store == nullptr) {
        return kExitFailed;
    }
    sitereport::SiteReport report;
    std::string error;
    if (!sitereport::LoadSiteReport(*store, options.positionals[0], options.Value("since"),
                                    options.Value("until"), ValiditySettings(), report, error)) {
        return CommandFailed("site report", texts::ArchiveProblemText(error));
    }
    report.tester = options.Value("tester");
    report.instrument = options.Value("instrument");
    report.version = TERROVANE_VERSION;
    if (options.Has("issue")) {
        return IssueSiteReport(*store, report, options);
    }
    if (!sitereport::RenderSiteReportPdf(report, options.Value("pdf"), error)) {
        return CommandFailed("site report", texts::ArchiveProblemText(error));
    }
    Confirm(CliText::tr("site report of %1 written to %2 (%3)")
                .arg(Given(report.site.fields.name), Given(options.Value("pdf")),
                     sitereport::SummaryText(sitereport::Summarise(report))));
    return kExitOk;
}

}  // namespace

CommandForm SiteReportForm() {
    return {{"site report",
             {"SITE"},
             {{"pdf", "FILE", "The PDF file the report is written to.", Presence::Required},
              {"since", "DATE", "Only results measured on or after DATE, YYYY-MM-DD."},
              {"until", "DATE", "Only results measured on or before DATE, YYYY-MM-DD."},
              {"tester", "T", "The tester's name for the site block."},
              {"instrument", "SERIAL",
               "The instrument's serial number for the site block (the instrument does not send it)."},
              LanguageOption(),
              {"issue", "", "Issues the report: numbered, dated and kept in the archive as it was issued."},
              {"revise", "NUMBER", "With --issue: the next revision of the report NUMBER, not a new number."},
              ServerOption()}},
            Report};
}

}  // namespace terrovane::cli
