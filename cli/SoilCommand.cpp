// terrovane-cli soil: a layered soil model from a sounding.
#include "AnalysisText.h"
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "Mode.h"
#include "NoteText.h"
#include "NoteTexts.h"
#include "Numbers.h"
#include "RecordTexts.h"
#include "RefusalText.h"
#include "Sites.h"
#include "SoilFit.h"
#include "SoilTypedCommand.h"
#include "StoredResults.h"

namespace terrovane::cli {
namespace {

int Failed(const QString& reason) {
    Tell("soil", reason);
    return kExitFailed;
}

// Why the fit refused the sounding, in the user's language, and how many results were left out.
QString RefusedText(const analysis::SoilFit& fit, int leftOut) {
    const QString reason = texts::RefusalText(fit.refusal);
    const QString said = reason.isEmpty() ? Given(fit.error) : reason;
    return leftOut == 0 ? said
                        : CliText::tr("%1 (after leaving out %n result(s))", nullptr, leftOut).arg(said);
}

// The resistivity results assigned to the test points of the site, each named by slot and date; false
// after a message.
bool LoadSiteResults(const std::string& name, std::vector<analysis::SourcedRecord>& records) {
    auto store = OpenArchiveFor("soil");
    if (store == nullptr)
        return false;
    std::string error;
    const auto site = archive::FindSite(*store, name, error);
    if (!site) {
        Failed(texts::ArchiveProblemText(error));
        return false;
    }
    archive::ResultFilter filter;
    filter.siteId = site->id;
    filter.mode = record::CodeOf(record::Mode::Resistivity);
    std::vector<archive::ResultRow> rows;
    if (!store->Results(filter, {}, -1, 0, rows, error)) {
        Failed(texts::ArchiveProblemText(error));
        return false;
    }
    for (const archive::ResultRow& row : rows) {
        const auto record = record::MeasurementRecord::FromPacket(row.packet);
        records.push_back(
            {analysis::ArchivedSource(static_cast<std::size_t>(row.slot), format::FormatRecordDate(record)),
             record, archive::ValidityNotes(record, ValiditySettings())});
    }
    return true;
}

// The sounding the options name, and the results left out of it; false after a message.
bool LoadSounding(const ParsedArguments& options, analysis::Sounding& sounding,
                  std::vector<std::string>& leftOut) {
    std::string error;
    if (options.Has("csv")) {
        std::string text;
        if (!ReadTextFile(options.Value("csv"), text, error)) {
            Failed(texts::ArchiveProblemText(error));
            return false;
        }
        if (!analysis::ParseSoundingCsv(text, options.Has("resistance"), sounding, error)) {
            Failed(Given(options.Value("csv") + ": " + error));
            return false;
        }
        return true;
    }
    std::vector<analysis::SourcedRecord> records;
    if (options.Has("site")) {
        if (!LoadSiteResults(options.Value("site"), records))
            return false;
    } else if (!LoadStoredResults(options.Value("from"), options.Value("readout"), records, error)) {
        Failed(texts::ArchiveProblemText(error));
        return false;
    }
    const analysis::GatheredSounding gathered = analysis::SoundingFromRecords(records);
    for (const std::string& note : gathered.notes)
        Tell("soil", texts::AnalysisNoteText(note));
    for (const std::string& note : gathered.leftOut)
        Tell("soil", texts::AnalysisNoteText(note));
    leftOut = gathered.leftOut;
    if (gathered.points.empty()) {
        Failed(gathered.leftOut.empty()
                   ? CliText::tr("no resistivity results (mode 9) with a distance among the stored results")
                   : CliText::tr("no measured resistivity results (mode 9) with a distance are left to fit"));
        return false;
    }
    sounding = gathered.points;
    return true;
}

int RunSoil(const ParsedArguments& options) {
    const std::string layers = options.Value("layers", "auto");
    if (layers != "1" && layers != "2" && layers != "3" && layers != "auto")
        return UsageError("soil", CliText::tr("--layers is 1, 2, 3 or auto"));
    const std::string format = options.Value("format", "table");
    if (format != "table" && format != "json")
        return UsageError("soil", CliText::tr("--format is table or json"));
    if (options.Has("resistance") && !options.Has("csv"))
        return UsageError("soil", CliText::tr("--resistance applies to --csv only"));
    analysis::Sounding sounding;
    std::vector<std::string> leftOut;
    if (!LoadSounding(options, sounding, leftOut))
        return kExitFailed;
    analysis::SoilFit fit =
        layers == "auto" ? analysis::FitSoilAuto(sounding)
                         : analysis::FitSoil(sounding, static_cast<int>(*numbers::ParseInteger(layers)));
    if (!fit.Ok())
        return Failed(RefusedText(fit, static_cast<int>(leftOut.size())));
    fit.leftOut = leftOut;
    const std::string text = format == "json" ? analysis::SoilFitJson(fit) : analysis::SoilFitTable(fit);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return Failed(CliText::tr("cannot write the model"));
    if (!fit.converged)
        return Failed(
            CliText::tr("%1; the best model found is shown").arg(texts::AnalysisNoteText(fit.solverNote)));
    return kExitOk;
}

// The fit, then the typed soundings.
std::vector<CommandForm> SoilForms() {
    std::vector<CommandForm> forms = {
        {{"soil",
          {},
          {{"csv", "FILE", "Take the sounding from this CSV file.", Presence::OneOf},
           {"from", "DATA_INF", "Take the resistivity results of this saved read-out image.",
            Presence::OneOf},
           {"readout", "ID", "Take the resistivity results of this archived read-out.", Presence::OneOf},
           {"site", "SITE", "Take the resistivity results assigned to the test points of this site.",
            Presence::OneOf},
           {"layers", "1|2|3|auto", "How many layers to fit; auto by default."},
           {"resistance", "", "The CSV file's second column is the measured resistance in ohms."},
           {"format", "table|json", "The output's format; table by default."}}},
         RunSoil}};
    for (CommandForm& form : SoilTypedForms())
        forms.push_back(std::move(form));
    return forms;
}

const CommandRegistrar kSoilRegistrar(
    {"soil",
     "Fits horizontal soil layers to a Wenner sounding and prints each layer's resistivity and thickness "
     "with "
     "its one-sigma uncertainty, the RMS error in percent and each point's residual. The sounding is a CSV "
     "file (header spacing_m,apparent_resistivity_ohm_m, or with --resistance spacing_m,resistance_ohm, then "
     "rho = 2 pi a R), or the resistivity results (mode 9) of a saved read-out image, an archived "
     "read-out or a site's test points, "
     "each at its measuring distance; over-range, failed and doubtful results are left out and named. "
     "--layers auto (the default) keeps the fewest layers the data resolve: a layer is added only when an "
     "F-test at 95 % says it lowers the misfit by more than noise explains and every layer is then known "
     "to within 50 % at one sigma. A fit that does not converge is shown and the command fails. \"soil "
     "add\" stores a sounding measured with another instrument and typed in, with its site, its array "
     "(Wenner or Schlumberger), when it was measured, with what and by whom; \"soil typed ID\" fits it "
     "exactly as above, each reading by its own array: a Wenner resistance R at spacing a gives rho = 2 pi "
     "a R, a Schlumberger one at AB/2 and MN/2 rho = pi R ((AB/2)^2 - (MN/2)^2) / (2 MN/2), and the "
     "Schlumberger model is worked out at each reading's AB/2 and MN/2. \"soil list\" lists a site's "
     "typed soundings.",
     SoilForms()});

}  // namespace
}  // namespace terrovane::cli
