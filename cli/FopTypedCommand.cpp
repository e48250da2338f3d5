// terrovane-cli fop add|typed|list: traverses typed by hand.
#include "FopTypedCommand.h"

#include "AnalysisText.h"
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "CsvNumbers.h"
#include "FallOfPotential.h"
#include "Numbers.h"
#include "RefusalText.h"
#include "ResultListing.h"
#include "TypedResults.h"
#include "TypedSeriesFit.h"
#include "TypedSeriesOptions.h"
#include "TypedTraverses.h"

namespace terrovane::cli {
namespace {

int AddTraverse(const ParsedArguments& options) {
    const std::string command = "fop add";
    archive::TypedTraverse traverse;
    if (!analysis::ParseNumber(options.Value("current-probe"), traverse.currentProbe) ||
        !(traverse.currentProbe > 0)) {
        return UsageError(command,
                          CliText::tr("--current-probe takes the current probe's distance in metres"));
    }
    if (options.Has("at")) {
        for (const std::string& text : options.values.at("at")) {
            SeriesReading reading;
            if (!ParseSeriesReading(command, text, archive::TypedQuantity::Resistance, reading)) {
                return kExitUsage;
            }
            traverse.readings.push_back({reading.where, reading.value});
        }
    }
    if (!ParseTaking(command, options, traverse.taking)) {
        return kExitUsage;
    }
    // Checked before the archive is opened, so a mistyped traverse is a usage error like any other.
    if (const std::optional<archive::Failure> problem =
            archive::TypedTraverseProblem(traverse, archive::NowMinute())) {
        return UsageError(command, texts::FailureText(*problem));
    }
    auto store = OpenArchiveFor(command);
    if (store == nullptr) {
        return kExitFailed;
    }
    const auto point = SeriesPoint(command, *store, options.Value("point"));
    if (!point) {
        return kExitFailed;
    }
    traverse.point = *point;
    const archive::Result<std::int64_t> id = archive::AddTypedTraverse(*store, traverse);
    if (!id) {
        return CommandFailed(command, texts::FailureText(id.Error()));
    }
    Confirm(CliText::tr("typed traverse %1 added").arg(QString::number(id.Value())));
    return kExitOk;
}

// The typed traverse analysed exactly as the instrument's readings are.
int AnalyseTraverse(const ParsedArguments& options) {
    const std::string command = "fop typed";
    const std::string format = options.Value("format", "table");
    if (format != "table" && format != "json") {
        return UsageError(command, CliText::tr("--format is table or json"));
    }
    const auto id = SeriesId(command, options.positionals[0]);
    if (!id) {
        return kExitUsage;
    }
    auto store = OpenArchiveFor(command);
    if (store == nullptr) {
        return kExitFailed;
    }
    const archive::Result<archive::TypedTraverse> traverse = archive::TypedTraverseById(*store, *id);
    if (!traverse) {
        return CommandFailed(command, texts::FailureText(traverse.Error()));
    }
    const double currentProbe = traverse.Value().currentProbe;
    const analysis::FopAnalysis analysis =
        analysis::AnalyseFallOfPotential(stored::FopReadingsOf(traverse.Value()), currentProbe);
    if (!analysis.Ok()) {
        const QString reason = texts::RefusalText(analysis.refusal);
        return CommandFailed(command, reason.isEmpty() ? Given(analysis.error) : reason);
    }
    for (const analysis::Refusal& note : analysis.noteCodes) {
        Tell(command, texts::RefusalText(note));
    }
    return PrintText(format == "json" ? analysis::FopJson(analysis)
                                      : analysis::FopTable(analysis, currentProbe))
               ? kExitOk
               : kExitFailed;
}

std::string ReadingsText(const archive::TypedTraverse& traverse) {
    std::string text;
    for (const archive::TypedTraverseReading& reading : traverse.readings) {
        text += (text.empty() ? "" : " ") + numbers::General(reading.distance, 6) + "=" +
                numbers::General(reading.resistance, 6);
    }
    return text;
}

int ListTraverses(const ParsedArguments& options) {
    const std::string command = "fop list";
    auto store = OpenArchiveFor(command);
    if (store == nullptr) {
        return kExitFailed;
    }
    const auto point = SeriesPoint(command, *store, options.Value("point"));
    if (!point) {
        return kExitFailed;
    }
    const auto traverses = archive::TypedTraverses(*store, *point);
    if (!traverses) {
        return CommandFailed(command, texts::FailureText(traverses.Error()));
    }
    std::vector<std::vector<std::string>> rows = {{"ID", "MEASURED", "POINT", "D (M)", "READINGS (M=OHM)",
                                                   "INSTRUMENT", "MEASURED BY", "TYPED BY", "TYPED AT"}};
    for (const archive::TypedTraverse& t : traverses.Value()) {
        rows.push_back({std::to_string(t.id), t.taking.measured, t.site + "/" + t.pointName,
                        numbers::General(t.currentProbe, 6), ReadingsText(t),
                        t.taking.instrument.empty() ? "-" : t.taking.instrument,
                        t.taking.measuredBy.empty() ? "-" : t.taking.measuredBy, t.taking.typedBy,
                        t.typedAt});
    }
    return PrintText(AlignedTable(rows)) ? kExitOk : kExitFailed;
}

}  // namespace

std::vector<CommandForm> FopTypedForms() {
    std::vector<DeclaredOption> add = {
        {"point", "SITE/POINT", "The test point, after its site's name.", Presence::Required},
        {"current-probe", "METRES", "The current probe's distance from the electrode.", Presence::Required},
        {"at", "METRES=OHMS",
         "One reading: the potential probe's distance and the resistance read there, as 30.9=4.2 or "
         "30.9=1.2k (units \u03a9, k\u03a9, m\u03a9 or ohm, kohm, mohm); at least two.",
         Presence::Repeatable}};
    for (DeclaredOption& option : TakingOptions()) {
        add.push_back(std::move(option));
    }
    return {{{"fop add", {}, add}, AddTraverse},
            {{"fop typed", {"ID"}, {{"format", "table|json", "The output's format; table by default."}}},
             AnalyseTraverse},
            {{"fop list",
              {},
              {{"point", "SITE/POINT", "The test point, after its site's name.", Presence::Required}}},
             ListTraverses}};
}

}  // namespace terrovane::cli
