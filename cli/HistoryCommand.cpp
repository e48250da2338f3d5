// terrovane-cli history: the archived results and read-outs, a read-out's image, labels.
#include <regex>
#include <string>

#include "Archive.h"
#include "ArchiveAccess.h"
#include "ArchivePath.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "Numbers.h"
#include "ResultListing.h"
#include "ResultsFiles.h"
#include "ResultsOutput.h"
#include "TypedResultListing.h"
#include "TypedResultView.h"

namespace terrovane::cli {
namespace {

int Usage(const QString& reason) {
    return UsageError("history", reason);
}

int Failed(const QString& reason) {
    Tell("history", reason);
    return kExitFailed;
}

bool ParseId(const std::string& text, std::int64_t& id) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    id = numbers::ParseInteger(text).value_or(0);
    return id > 0;
}

bool IsDate(const std::string& text) {
    static const std::regex kDate("(19|20)[0-9]{2}-(0[1-9]|1[0-2])-(0[1-9]|[12][0-9]|3[01])");
    return std::regex_match(text, kDate);
}

std::unique_ptr<archive::Archive> OpenArchive() {
    return OpenArchiveFor("history");
}

// The filter options; false after a usage message.
bool ParseFilter(const ParsedArguments& options, archive::ResultFilter& filter) {
    for (const char* name : {"since", "until"}) {
        if (options.Has(name)) {
            const std::string date = options.Value(name);
            if (!IsDate(date)) {
                Usage(CliText::tr("%1 takes a date as YYYY-MM-DD, not \"%2\"")
                          .arg(Given("--" + std::string(name)), Given(date)));
                return false;
            }
            (std::string(name) == "since" ? filter.since : filter.until) = date;
        }
    }
    if (options.Has("mode")) {
        std::int64_t mode = 0;
        if (!ParseId(options.Value("mode"), mode) || mode > 255) {
            Usage(CliText::tr("--mode takes a mode code such as 1 (3Pole) to 10 (Iac)"));
            return false;
        }
        filter.mode = static_cast<int>(mode);
    }
    if (options.Has("label")) {
        filter.labelContains = options.Value("label");
    }
    if (options.Has("site")) {
        filter.site = options.Value("site");
    }
    if (options.Has("point")) {
        filter.point = options.Value("point");
    }
    return true;
}

int List(const ParsedArguments& options) {
    archive::ResultFilter filter;
    ListingFormat format = ListingFormat::Table;
    if (!ParseFilter(options, filter)) {
        return kExitUsage;
    }
    if (options.Has("format") && !ParseListingFormat(options.Value("format"), format)) {
        return Usage(CliText::tr("--format is table, csv or json"));
    }
    if (options.Has("readouts") && (filter.mode || filter.site || filter.point)) {
        return Usage(CliText::tr("--mode, --site and --point apply to results, not to read-outs"));
    }
    auto store = OpenArchive();
    if (store == nullptr) {
        return kExitFailed;
    }
    std::string error;
    if (options.Has("readouts")) {
        std::vector<archive::ReadOutRow> readouts;
        if (!store->ReadOuts(filter, -1, 0, readouts, error)) {
            return Failed(texts::ArchiveProblemText(error));
        }
        return PrintText(ReadOutListing(readouts, format)) ? kExitOk : kExitFailed;
    }
    std::vector<archive::ResultRow> rows;
    if (!store->Results(filter, {}, -1, 0, rows, error)) {
        return Failed(texts::ArchiveProblemText(error));
    }
    std::vector<archive::ResultView> views;
    views.reserve(rows.size());
    const archive::ValidityThresholds thresholds = ValiditySettings();
    for (const archive::ResultRow& row : rows) {
        views.push_back(archive::DescribeResult(row, thresholds));
    }
    const auto typed = archive::TypedResults(*store, filter);
    if (!typed) {
        return Failed(texts::FailureText(typed.Error()));
    }
    // The CSV has a row per typed result too, marked in the columns after the read-outs' ones.
    if (format == ListingFormat::Csv) {
        return PrintText(archive::ResultsCsv(archive::WithTypedViews(std::move(views), typed.Value())))
                   ? kExitOk
                   : kExitFailed;
    }
    return PrintText(WithTypedResults(ResultListing(views, format), typed.Value(), format)) ? kExitOk
                                                                                            : kExitFailed;
}

int Open(const ParsedArguments& options) {
    std::int64_t id = 0;
    if (!ParseId(options.positionals[0], id)) {
        return Usage(CliText::tr("open takes one read-out id"));
    }
    if (options.Value("out").empty()) {
        return Usage(CliText::tr("open needs --out FILE"));
    }
    auto store = OpenArchive();
    if (store == nullptr) {
        return kExitFailed;
    }
    std::string error;
    const auto image = store->Image(id, error);
    if (!image) {
        return Failed(texts::ArchiveProblemText(error));
    }
    const std::string path = options.Value("out");
    error = archive::WriteFileReplacing(path, std::string(image->begin(), image->end()));
    if (!error.empty()) {
        return Failed(texts::ArchiveProblemText(error));
    }
    Confirm(CliText::tr("read-out %1 written to %2 (7200 bytes)").arg(QString::number(id), Given(path)));
    return kExitOk;
}

int Label(const ParsedArguments& options) {
    std::int64_t id = 0;
    if (!ParseId(options.positionals[0], id)) {
        return Usage(CliText::tr("label takes an id and the label text"));
    }
    auto store = OpenArchive();
    if (store == nullptr) {
        return kExitFailed;
    }
    const bool readout = options.Has("readout");
    std::optional<std::string> note;
    if (options.Has("note")) {
        note = options.Value("note");
    }
    std::string error;
    if (!store->SetLabel(readout ? archive::LabelTarget::ReadOut : archive::LabelTarget::Result, id,
                         options.positionals[1], note, error)) {
        return Failed(texts::ArchiveProblemText(error));
    }
    return kExitOk;
}

const std::vector<DeclaredOption> kListOptions = {
    {"readouts", "", "List the read-outs instead of the results."},
    {"since", "DATE", "Only what was measured (or read out) on or after DATE, YYYY-MM-DD."},
    {"until", "DATE", "Only what was measured (or read out) on or before DATE, YYYY-MM-DD."},
    {"mode", "N", "Only results of this mode code, 1 (3Pole) to 10 (Iac)."},
    {"label", "TEXT", "Only what has a label containing TEXT, in any case."},
    {"site", "SITE", "Only results assigned to a test point of the site named SITE."},
    {"point", "POINT", "Only results assigned to a test point named POINT."},
    {"format", "table|csv|json", "The listing's format; table by default."},
};

const CommandRegistrar kHistoryRegistrar(
    {"history",
     "Lists the archived results, newest read-out first (with --readouts the read-outs themselves). --since "
     "and --until (YYYY-MM-DD, inclusive) filter on the date a result was measured, or a read-out taken; "
     "--mode on the mode code; --label on a part of the label, in any case; --site and --point on the test "
     "point "
     "a result is assigned to. In JSON each result carries its site, point, limit_ohm, limit_source and "
     "verdict (pass, fail or none). Results typed by hand (\"result add\") follow the read-outs' in table "
     "and "
     "JSON, where each is marked \"typed\": true with its method, instrument, measured_by and typed_by. "
     "\"history open ID --out FILE\" "
     "writes read-out ID's 7200-byte image as it was read; \"history label ID TEXT\" labels result ID (with "
     "--readout read-out ID and its unlabelled results), --note TEXT adds a note, an empty TEXT removes the "
     "label. The archive is $TERROVANE_ARCHIVE, else $XDG_DATA_HOME/Terrovane/archive.sqlite.",
     {{{"history", {}, kListOptions}, List},
      {{"history open", {"ID"}, {{"out", "FILE", "The file the image is written to.", Presence::Required}}},
       Open},
      {{"history label",
        {"ID", "TEXT"},
        {{"readout", "", "Label read-out ID and its unlabelled results instead of result ID."},
         {"note", "TEXT", "Add this note."}}},
       Label}}});

}  // namespace
}  // namespace terrovane::cli
