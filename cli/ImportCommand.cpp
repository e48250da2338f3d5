// terrovane-cli import: readings of other testers' CSV files and workbooks stored as typed results.
#include <QFileInfo>

#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "ImportFailure.h"
#include "ImportProblemText.h"
#include "ImportProblems.h"
#include "Json.h"
#include "Problems.h"
#include "ReadingImport.h"
#include "RegularFile.h"
#include "RememberedMappings.h"
#include "ResultListing.h"
#include "SiteImport.h"
#include "TypedResults.h"

namespace terrovane::cli {
namespace {

constexpr const char* kImport = "import";
// A mapping is a page of JSON; a larger file is something else.
constexpr std::size_t kMostMappingFileBytes = 1u << 20;

// The mapping in the file; false after a message.
bool ReadMappingFile(const std::string& path, imports::Mapping& out) {
    const platform::FileContent file =
        platform::ReadRegularFile(path, kMostMappingFileBytes + 1, platform::Links::Follow);
    if (file.status != platform::FileStatus::Read) {
        CommandFailed(kImport, Given(file.error));
        return false;
    }
    if (file.bytes.size() > kMostMappingFileBytes) {
        CommandFailed(
            kImport,
            QCoreApplication::translate("CommandLine", "%1 is too large for a mapping").arg(Given(path)));
        return false;
    }
    auto mapping = imports::MappingFromJson(file.bytes);
    if (!mapping) {
        CommandFailed(kImport, texts::FailureText(mapping.Error()));
        return false;
    }
    out = mapping.Value();
    return true;
}

std::string ReportJson(const std::string& file, const std::string& sheet, bool dryRun,
                       const imports::ImportReport& report) {
    numbers::Json refused = numbers::Json::array();
    for (const imports::RefusedRow& row : report.refused) {
        refused.push_back({{"line", row.line}, {"reason", Utf8(texts::ImportProblemText(row.problem))}});
    }
    numbers::Json document{
        {"file", file},          {"sheet", sheet.empty() ? numbers::Json() : numbers::Json(sheet)},
        {"dry_run", dryRun},     {"rows", report.rows},
        {"taken", report.taken}, {"already", report.already},
        {"refused", refused}};
    return numbers::JsonText(document) + "\n";
}

std::string ReportTable(bool dryRun, const imports::ImportReport& report) {
    std::string text = std::to_string(report.rows) + " rows: " + std::to_string(report.taken) +
                       (dryRun ? " would be taken, " : " taken, ") + std::to_string(report.already) +
                       " already in the archive, " + std::to_string(report.refused.size()) + " refused\n";
    if (!report.refused.empty()) {
        std::vector<std::vector<std::string>> rows = {{"LINE", "REASON"}};
        for (const imports::RefusedRow& row : report.refused) {
            rows.push_back({std::to_string(row.line), Utf8(texts::ImportProblemText(row.problem))});
        }
        text += AlignedTable(rows);
    }
    return text;
}

// The mapping given, else the one remembered for the file's header row; the table read by it.
bool MappingAndTable(const ParsedArguments& options, const std::string& path, imports::Mapping& mapping,
                     imports::SourceTable& table) {
    const std::string sheet = options.Has("sheet") ? options.Value("sheet") : "";
    if (options.Has("mapping")) {
        if (!ReadMappingFile(options.Value("mapping"), mapping)) {
            return false;
        }
    } else {
        // The header is looked for in the file as its own separator and decimal mark write it.
        auto first = imports::LoadTable(path, imports::Mapping{}, sheet);
        if (!first) {
            CommandFailed(kImport, texts::FailureText(first.Error()));
            return false;
        }
        auto remembered = imports::RememberedMappings().Find(first.Value());
        if (!remembered) {
            CommandFailed(kImport, texts::FailureText(imports::ImportRefusal(imports::kNoMapping)));
            return false;
        }
        mapping = *remembered;
    }
    auto loaded = imports::LoadTable(path, mapping, sheet);
    if (!loaded) {
        CommandFailed(kImport, texts::FailureText(loaded.Error()));
        return false;
    }
    table = std::move(loaded.Value());
    return true;
}

// A list of sites and their test points: the mapping is always given, as such lists are made once.
int ImportSiteList(const ParsedArguments& options, const std::string& format) {
    const std::string path = options.positionals[0];
    const bool dryRun = options.Has("dry-run");
    if (!options.Has("mapping")) {
        return UsageError(kImport, CliText::tr("--sites needs --mapping"));
    }
    const platform::FileContent file =
        platform::ReadRegularFile(options.Value("mapping"), kMostMappingFileBytes, platform::Links::Follow);
    if (file.status != platform::FileStatus::Read) {
        return CommandFailed(kImport, Given(file.error));
    }
    const auto mapping = imports::SiteMappingFromJson(file.bytes);
    if (!mapping) {
        return CommandFailed(kImport, texts::FailureText(mapping.Error()));
    }
    const std::string sheet = options.Has("sheet") ? options.Value("sheet") : "";
    const auto table = imports::LoadTable(path, mapping.Value().Reading(), sheet);
    if (!table) {
        return CommandFailed(kImport, texts::FailureText(table.Error()));
    }
    auto store = OpenArchiveFor(kImport);
    if (store == nullptr) {
        return kExitFailed;
    }
    const auto report = imports::ImportSites(*store, table.Value(), mapping.Value(), dryRun);
    if (!report) {
        return CommandFailed(kImport, texts::FailureText(report.Error()));
    }
    const std::string name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    if (!PrintText(format == "json" ? ReportJson(name, sheet.empty() ? mapping.Value().sheet : sheet, dryRun,
                                                 report.Value())
                                    : ReportTable(dryRun, report.Value()))) {
        return kExitFailed;
    }
    return report.Value().refused.empty() ? kExitOk : kExitFailed;
}

int Import(const ParsedArguments& options) {
    const std::string format = options.Has("format") ? options.Value("format") : "table";
    if (format != "table" && format != "json") {
        return UsageError(kImport, CliText::tr("--format is table or json"));
    }
    if (options.Has("sites")) {
        return ImportSiteList(options, format);
    }
    const std::string path = options.positionals[0];
    const bool dryRun = options.Has("dry-run");
    imports::Mapping mapping;
    imports::SourceTable table;
    if (!MappingAndTable(options, path, mapping, table)) {
        return kExitFailed;
    }
    auto store = OpenArchiveFor(kImport);
    if (store == nullptr) {
        return kExitFailed;
    }
    const imports::ImportSource source{archive::TypingAccount(),
                                       QFileInfo(QString::fromStdString(path)).fileName().toStdString()};
    const auto report = imports::ImportReadings(*store, table, mapping, source, dryRun);
    if (!report) {
        return CommandFailed(kImport, texts::FailureText(report.Error()));
    }
    if (options.Has("mapping") && !dryRun) {
        std::string error;
        if (!imports::RememberedMappings().Remember(imports::HeaderOf(mapping, table), mapping, error)) {
            Tell(kImport, CliText::tr("the mapping could not be remembered: %1").arg(Given(error)));
        }
    }
    const std::string sheet = options.Has("sheet") ? options.Value("sheet") : mapping.sheet;
    if (!PrintText(format == "json" ? ReportJson(source.fileName, sheet, dryRun, report.Value())
                                    : ReportTable(dryRun, report.Value()))) {
        return kExitFailed;
    }
    return report.Value().refused.empty() ? kExitOk : kExitFailed;
}

const CommandRegistrar kImportRegistrar(
    {"import",
     "Stores the readings of other testers' CSV files (any of the separators , ; TAB |, a decimal point or "
     "comma, quoted fields, UTF-8 with or without a byte-order mark) and .xlsx workbooks (any sheet) as "
     "typed "
     "results: judged, falling due and listed like those typed by hand, each marked as imported from the "
     "file by the account that imported it. The mapping (JSON, see docs/schemas/import-mapping.schema.json) "
     "says which column is the date and its format, the point (SITE/POINT, or a site column and a point "
     "column), the method, each value with its unit (\u03a9, k\u03a9, m\u03a9, \u03a9\u00b7m, mA, A; a unit "
     "in the cell wins) and the over-range mark (\">300k\"). A mapping given is remembered by the file's "
     "header row; without --mapping the one remembered for the file's header row is used. A reading stored "
     "already (same point, method, minute and values) adds nothing, so a file can be imported again. Every "
     "row that cannot be taken is listed with its line and reason; the others are stored in one unit of "
     "work, or none when the archive fails. With --sites the file is a list of sites (name, address, "
     "position, "
     "limit, re-test interval, test points) made before the campaign: a site not there yet is made with its "
     "points, one there already gets the points it lacks. Exits 1 when a row was refused.",
     {{{"import",
        {"FILE"},
        {{"mapping", "MAPPING.json", "The mapping of the file's columns; without it, the one remembered."},
         {"sheet", "NAME", "The workbook's sheet; the mapping's, else the first."},
         {"sites", "",
          "The file lists sites (one a row, its test points in one cell) rather than readings; the mapping "
          "is docs/schemas/import-sites-mapping.schema.json."},
         {"dry-run", "", "Judge every row and store nothing."},
         {"format", "table|json", "The report's format; table by default."}}},
       Import}}});

}  // namespace
}  // namespace terrovane::cli
