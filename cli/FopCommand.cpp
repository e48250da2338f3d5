// terrovane-cli fop: the fall-of-potential curve of an earth electrode.
#include <cstdio>

#include "AnalysisText.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "CsvNumbers.h"
#include "FallOfPotential.h"
#include "FopPlanCommand.h"
#include "FopTypedCommand.h"
#include "NoteText.h"
#include "RefusalText.h"
#include "StoredResults.h"

namespace terrovane::cli {
namespace {

int Failed(const QString& reason) {
    Tell("fop", reason);
    return kExitFailed;
}

// Why the analysis refused the readings, in the user's language, and how many results were left out.
QString RefusedText(const analysis::FopAnalysis& analysis, int leftOut) {
    const QString reason = texts::RefusalText(analysis.refusal);
    const QString said = reason.isEmpty() ? Given(analysis.error) : reason;
    return leftOut == 0 ? said
                        : CliText::tr("%1 (after leaving out %n result(s))", nullptr, leftOut).arg(said);
}

bool ParseDistances(const std::string& text, std::vector<double>& distances) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        double value = 0.0;
        if (!analysis::ParseNumber(text.substr(start, comma - start), value))
            return false;
        distances.push_back(value);
        start = comma + 1;
    }
    return !distances.empty();
}

// The readings the options name, and the results left out; false after a message.
bool LoadReadings(const ParsedArguments& options, const std::vector<double>& distances,
                  std::vector<analysis::FopReading>& readings, std::vector<std::string>& leftOut) {
    std::string error;
    if (options.Has("csv")) {
        std::string text;
        if (!ReadTextFile(options.Value("csv"), text, error)) {
            Failed(texts::ArchiveProblemText(error));
            return false;
        }
        if (!analysis::ParseFopCsv(text, readings, error)) {
            Failed(Given(options.Value("csv") + ": " + error));
            return false;
        }
        return true;
    }
    std::vector<analysis::SourcedRecord> sourced;
    if (!LoadStoredResults({}, options.Value("readout"), sourced, error)) {
        Failed(texts::ArchiveProblemText(error));
        return false;
    }
    if (!analysis::FopReadingsFromRecords(sourced, distances, readings, leftOut, error)) {
        Failed(texts::ArchiveProblemText(error));
        return false;
    }
    for (const std::string& note : leftOut)
        Tell("fop", texts::AnalysisNoteText(note));
    return true;
}

int RunFop(const ParsedArguments& options) {
    const std::string format = options.Value("format", "table");
    if (format != "table" && format != "json")
        return UsageError("fop", CliText::tr("--format is table or json"));
    double currentProbe = 0.0;
    if (!analysis::ParseNumber(options.Value("current-probe"), currentProbe))
        return UsageError("fop", CliText::tr("--current-probe takes the current probe's distance in metres"));
    std::vector<double> distances;
    if (options.Has("distances") && !ParseDistances(options.Value("distances"), distances))
        return UsageError(
            "fop",
            CliText::tr("--distances takes the potential probe's distances in metres, separated by commas"));
    std::vector<analysis::FopReading> readings;
    std::vector<std::string> leftOut;
    if (!LoadReadings(options, distances, readings, leftOut))
        return kExitFailed;
    analysis::FopAnalysis analysis = analysis::AnalyseFallOfPotential(readings, currentProbe);
    if (!analysis.Ok())
        return Failed(RefusedText(analysis, static_cast<int>(leftOut.size())));
    analysis.leftOut = leftOut;
    for (const analysis::Refusal& note : analysis.noteCodes)
        Tell("fop", texts::RefusalText(note));
    const std::string text =
        format == "json" ? analysis::FopJson(analysis) : analysis::FopTable(analysis, currentProbe);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return Failed(CliText::tr("cannot write the result"));
    return kExitOk;
}

// The analysis, the plan, then the typed traverses.
std::vector<CommandForm> FopForms() {
    std::vector<CommandForm> forms = {
        {{"fop",
          {},
          {{"csv", "FILE", "Take the readings from this CSV file.", Presence::OneOf},
           {"readout", "ID", "Take the earth-resistance results of this archived read-out.", Presence::OneOf},
           {"distances", "D1,D2,...", "The potential probe's distance in metres for each of those results.",
            Presence::WithPrevious},
           {"current-probe", "METRES", "The current probe's distance from the electrode.",
            Presence::Required},
           {"format", "table|json", "The output's format; table by default."}}},
         RunFop},
        FopPlanForm()};
    for (CommandForm& form : FopTypedForms())
        forms.push_back(std::move(form));
    return forms;
}

const CommandRegistrar kFopRegistrar(
    {"fop",
     "Analyses a fall-of-potential curve: the resistances measured with the potential probe at several "
     "distances "
     "from the electrode under test, the current probe METRES away. Prints the resistance at 61.8 % of that "
     "distance (interpolated between the neighbouring readings), whether the curve is flat from 52 % to 72 % "
     "of "
     "it (within 5 % of that value) and, with readings at 20 %, 40 % and 60 % of it, Tagg's slope method. "
     "The "
     "readings are a CSV file (header potential_probe_m,resistance_ohm) or the 3Pole and 4Pole results of an "
     "archived read-out in slot order, one distance each. \"fop plan\" predicts the curve before measuring: "
     "from the soil (a resistivity or a stored soil model with its layers) and the electrode (a rod or the "
     "grid of a design file) it computes the curve for a current probe METRES away in a direction, the "
     "electrode's true resistance, the potential probe's position that reads it (61.8 % of D only for a "
     "small electrode in uniform soil) and the smallest current-probe distance with a plateau of the "
     "flatness asked. \"fop add\" stores a traverse measured with another instrument and typed in, with "
     "its test point, its current-probe distance, when it was measured, with what and by whom; \"fop typed "
     "ID\" analyses it exactly as above, and \"fop list\" lists a point's typed traverses.",
     FopForms()});

}  // namespace
}  // namespace terrovane::cli
