// terrovane-cli site reports and site report-file: the reports issued for a site, kept as they were issued.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "AtomicFile.h"
#include "IssuedReports.h"
#include "Json.h"
#include "ResultListing.h"
#include "SiteCommands.h"
#include "Sites.h"

namespace terrovane::cli {
namespace {

numbers::Json IssuedJson(const archive::IssuedReport& report) {
    return {{"number", report.number},      {"revision", report.revision}, {"issued_on", report.issuedOn},
            {"issued_by", report.issuedBy}, {"site", report.siteName},     {"language", report.language},
            {"sha256", report.digest},      {"bytes", report.size}};
}

std::string IssuedTable(const std::vector<archive::IssuedReport>& rows) {
    std::vector<std::vector<std::string>> lines = {{"NUMBER", "REVISION", "ISSUED", "BY", "SIZE"}};
    for (const archive::IssuedReport& row : rows) {
        lines.push_back({row.number, std::to_string(row.revision), row.issuedOn,
                         row.issuedBy.empty() ? std::string("-") : row.issuedBy,
                         std::to_string(row.size) + " bytes"});
    }
    return AlignedTable(lines);
}

int ListIssued(const ParsedArguments& options) {
    const std::string format = options.Has("format") ? options.Value("format") : "table";
    if (format != "table" && format != "json") {
        return UsageError("site", CliText::tr("--format is table or json"));
    }
    auto store = OpenArchiveFor("site reports");
    if (store == nullptr) {
        return kExitFailed;
    }
    std::string error;
    const std::optional<archive::SiteRow> site = archive::FindSite(*store, options.positionals[0], error);
    if (!site) {
        return CommandFailed("site reports", texts::ArchiveProblemText(error));
    }
    const archive::Result<std::vector<archive::IssuedReport>> rows =
        archive::IssuedReportsOf(*store, site->id);
    if (!rows) {
        return CommandFailed("site reports", texts::FailureText(rows.Error()));
    }
    if (format == "table") {
        return PrintText(IssuedTable(rows.Value())) ? kExitOk : kExitFailed;
    }
    numbers::Json array = numbers::Json::array();
    for (const archive::IssuedReport& row : rows.Value()) {
        array.push_back(IssuedJson(row));
    }
    return PrintText(numbers::JsonLines(array)) ? kExitOk : kExitFailed;
}

int WriteIssued(const ParsedArguments& options) {
    std::optional<int> revision;
    if (options.Has("revision")) {
        revision = WholeNumber(options.Value("revision"), 1, 999999);
        if (!revision) {
            return UsageError("site", CliText::tr("--revision is a whole number from 1, not \"%1\"")
                                          .arg(Given(options.Value("revision"))));
        }
    }
    auto store = OpenArchiveFor("site report-file");
    if (store == nullptr) {
        return kExitFailed;
    }
    const archive::Result<archive::IssuedReport> found =
        archive::FindIssuedReport(*store, options.positionals[0], revision);
    if (!found) {
        return CommandFailed("site report-file", texts::FailureText(found.Error()));
    }
    const archive::Result<std::string> bytes = archive::IssuedReportBytes(*store, found.Value().id);
    if (!bytes) {
        return CommandFailed("site report-file", texts::FailureText(bytes.Error()));
    }
    std::string error;
    if (!platform::WriteFileAtomically(options.Value("out"), bytes.Value(), error)) {
        return CommandFailed("site report-file", Given(error));
    }
    Confirm(CliText::tr("report %1, revision %2, written to %3")
                .arg(Given(found.Value().number), QString::number(found.Value().revision),
                     Given(options.Value("out"))));
    return kExitOk;
}

}  // namespace

std::vector<CommandForm> IssuedReportForms() {
    return {
        {{"site reports", {"SITE"}, {{"format", "table|json", "The listing's format; table by default."}}},
         ListIssued},
        {{"site report-file",
          {"NUMBER"},
          {{"revision", "N", "The revision; the newest by default."},
           {"out", "FILE", "Where the PDF is written.", Presence::Required}}},
         WriteIssued}};
}

}  // namespace terrovane::cli
