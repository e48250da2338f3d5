// terrovane-cli grid: the touch and step voltages of an earthing grid on the measured soil, judged against
// what a body tolerates.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Assessment.h"
#include "AtomicFile.h"
#include "Command.h"
#include "GridComputedOutput.h"
#include "GridDesignFile.h"
#include "GridOutput.h"
#include "GridProfileOutput.h"
#include "GridSafety.h"
#include "Numbers.h"
#include "SoilCertainty.h"
#include "SoilModels.h"
#include "StoredResults.h"
#include "StoredSoil.h"
#include "SurfaceProfile.h"

#include <algorithm>

namespace terrovane::cli {
namespace {

constexpr const char* kGridCommand = "grid";

// The uniform soil the formulas use: typed, from the design file, or a stored model (`fitted`, reduced for
// this grid by the assessment). Returns the exit status when it cannot (after a message), else nullopt.
std::optional<int> ChooseSoil(const ParsedArguments& options, const GridDesignFile& file,
                              grid::UniformSoil& soil, std::optional<grid::FittedSoil>& fitted) {
    if (options.Has("rho")) {
        const std::optional<double> rho = numbers::ParseDecimal(options.Value("rho"));
        if (!rho || !(*rho > 0))
            return UsageError(kGridCommand, CliText::tr("--rho is a resistivity in ohm-metres above zero"));
        soil = grid::GivenSoil(*rho);
        return std::nullopt;
    }
    if (options.Has("soil-model") || options.Has("site")) {
        archive::StoredSoilModel model;
        if (!LoadStoredModel(kGridCommand, options, model))
            return kExitFailed;
        fitted = stored::FittedSoilOf(model);
        return std::nullopt;
    }
    if (file.soilLayers) {
        fitted = grid::ExactSoil(*file.soilLayers);
        return std::nullopt;
    }
    if (file.soilResistivity) {
        soil = grid::GivenSoil(*file.soilResistivity);
        return std::nullopt;
    }
    return UsageError(kGridCommand,
                      CliText::tr("needs --rho, --soil-model or --site (or soil.resistivity_ohm_m or "
                                  "soil.layers in the design)"));
}

// Computed where the soil has layers the formulas cannot take; the formulas alone in uniform soil unless
// asked, where they hold and the computation adds only time.
bool ComputedByDefault(const std::optional<grid::FittedSoil>& fitted) {
    return fitted && fitted->model.resistivities.size() > 1;
}

QString NotComputedText(electrode::ComputedStatus status) {
    switch (status) {
        case electrode::ComputedStatus::BadSoil:
            return CliText::tr("the soil model has a layer without a resistivity or thickness");
        case electrode::ComputedStatus::NotSolved:
            return CliText::tr(
                "the solver gave up on this grid (too many segments, or conductors on top of each "
                "other): use --method formulas");
        case electrode::ComputedStatus::Computed:
        case electrode::ComputedStatus::Stopped:
            break;
    }
    return CliText::tr("the grid could not be computed");
}

int WriteOutput(const std::string& output) {
    if (std::fwrite(output.data(), 1, output.size(), stdout) != output.size() || std::fflush(stdout) != 0)
        return CommandFailed(kGridCommand, CliText::tr("cannot write the assessment"));
    return kExitOk;
}

// The profile along the line asked for: into its file, else into the output (text added to `table` or a
// member to `json`). Returns the exit status when the file cannot be written (after a message).
std::optional<int> WriteProfile(const ParsedArguments& options, const electrode::ComputedSafety& computed,
                                const ProfileLine& line, std::string& table, numbers::Json& json) {
    const std::vector<electrode::ProfilePoint> profile =
        electrode::SurfaceProfile(*computed.solution, computed.gridCurrent, line.from, line.to);
    if (!options.Has("profile-out")) {
        table += ProfileTable(profile);
        json = ProfileJson(profile);
        return std::nullopt;
    }
    const std::string path = options.Value("profile-out");
    const std::string text = ProfileFileText(profile, path);
    if (text.empty())
        return UsageError(kGridCommand, CliText::tr("--profile-out names a .csv or .json file"));
    std::string error;
    if (!platform::WriteFileAtomically(path, text, error))
        return CommandFailed(kGridCommand, texts::ArchiveProblemText(error));
    return std::nullopt;
}

// The formulas' assessment with the computed one before it (table) or inside it (JSON), the map and the
// profile.
int RunComputed(const ParsedArguments& options, const GridDesignFile& file,
                const grid::Assessment& assessment, const std::optional<grid::FittedSoil>& fitted,
                const electrode::Soil& soil, const std::optional<ProfileLine>& line) {
    const electrode::ComputedSafety computed =
        fitted ? electrode::AssessInFittedSoil(file.design, *fitted, assessment)
               : electrode::AssessInSoil(file.design, soil, assessment);
    if (computed.status != electrode::ComputedStatus::Computed)
        return CommandFailed(kGridCommand, NotComputedText(computed.status));
    std::string profileTable;
    numbers::Json profileJson;
    if (line) {
        if (const std::optional<int> failed =
                WriteProfile(options, computed, *line, profileTable, profileJson))
            return *failed;
    }
    if (options.Has("map")) {
        const std::string path = options.Value("map");
        const std::string text = MapFileText(computed, path);
        std::string error;
        if (text.empty())
            return UsageError(kGridCommand, CliText::tr("--map names a .csv or .json file"));
        if (!platform::WriteFileAtomically(path, text, error))
            return CommandFailed(kGridCommand, texts::ArchiveProblemText(error));
    }
    if (options.Value("format", "table") == "json") {
        numbers::Json json = GridJsonObject(assessment);
        AddComputedJson(json, computed, assessment, soil);
        if (line && !options.Has("profile-out"))
            json["profile"] = profileJson;
        return WriteOutput(numbers::JsonText(json) + "\n");
    }
    return WriteOutput(ComputedTable(computed, assessment, soil) + GridTable(assessment) + profileTable);
}

int RunGrid(const ParsedArguments& options) {
    const std::string standardName = options.Value("standard", "ieee80");
    if (standardName != "ieee80" && standardName != "en50522")
        return UsageError(kGridCommand, CliText::tr("--standard is ieee80 or en50522"));
    const std::string format = options.Value("format", "table");
    if (format != "table" && format != "json")
        return UsageError(kGridCommand, CliText::tr("--format is table or json"));
    GridDesignFile file;
    if (const std::optional<int> failed = LoadGridDesignFile(kGridCommand, options.Value("design"), file))
        return *failed;
    grid::UniformSoil soil;
    std::optional<grid::FittedSoil> fitted;
    if (const std::optional<int> failed = ChooseSoil(options, file, soil, fitted))
        return *failed;
    const grid::Standard standard =
        standardName == "en50522" ? grid::Standard::En50522 : grid::Standard::Ieee80;
    const std::string method = options.Value("method", ComputedByDefault(fitted) ? "computed" : "formulas");
    if (method != "computed" && method != "formulas")
        return UsageError(kGridCommand, CliText::tr("--method is computed or formulas"));
    if (method == "formulas" && options.Has("map"))
        return UsageError(kGridCommand, CliText::tr("--map needs the computed method"));
    if (method == "formulas" && options.Has("profile"))
        return UsageError(kGridCommand, CliText::tr("--profile needs the computed method"));
    if (options.Has("profile-out") && !options.Has("profile"))
        return UsageError(kGridCommand, CliText::tr("--profile-out needs --profile"));
    std::optional<ProfileLine> line;
    if (options.Has("profile")) {
        line = ParseProfileLine(options.Value("profile"));
        if (!line)
            return UsageError(kGridCommand,
                              CliText::tr("--profile is X1,Y1,X2,Y2: two different points in metres"));
    }
    const grid::Assessment assessment = fitted ? grid::AssessOnFittedSoil(file.design, *fitted, standard)
                                               : grid::Assess(file.design, soil, standard);
    if (method == "computed")
        return RunComputed(options, file, assessment, fitted,
                           fitted ? fitted->model : electrode::Soil{{soil.resistivity}, {}}, line);
    return WriteOutput(format == "json" ? GridJson(assessment) : GridTable(assessment));
}

const CommandRegistrar kGridRegistrar(
    {kGridCommand,
     "Works out whether a person standing on an earthing grid is safe during an earth fault, after IEEE Std "
     "80-2013 (or EN 50522:2010): the tolerable touch and step voltages of the body, the grid resistance "
     "(Sverak's formula, and Schwarz's beside it where there are rods), the grid current and ground "
     "potential "
     "rise, the mesh and step voltages with their factors, the verdict with its reasons, and a warning "
     "wherever "
     "a formula is used outside its range. The design is a JSON file (grid, rods, surface layer, fault, "
     "body); "
     "the soil is a resistivity typed in, a stored soil model or the newest one stored with a site, a "
     "layered "
     "model reduced to the Wenner apparent resistivity at the grid's equivalent radius. On a stored model "
     "the "
     "design is judged at both ends of the model's one-sigma range too: it is \"safe\" only where it is safe "
     "across the range and the model is resolved and fits its points, else \"not-shown-safe\" with the "
     "reasons "
     "(soil_doubts). Where the soil has layers (a stored model of two or three, or soil.layers in the "
     "design) "
     "the grid is computed in them by default (--method computed): its conductors and rods solved in the "
     "layered soil, the surface potential mapped over the grid and 3 m around it, the largest touch voltage "
     "within 1 m of the grid and step voltage over 1 m with where they occur, judged on them, the formulas' "
     "values beside with the difference in per cent. A design the command cannot accept is named by its "
     "field, with status 2.",
     {{{kGridCommand,
        {},
        {{"design", "FILE", "The grid's design, a JSON file.", Presence::Required},
         {"rho", "OHM_M", "The soil's uniform resistivity in ohm-metres.", Presence::AtMostOneOf},
         {"soil-model", "ID", "The soil model stored in the archive with this id.", Presence::AtMostOneOf},
         {"site", "SITE", "The newest soil model stored with this site.", Presence::AtMostOneOf},
         {"standard", "ieee80|en50522", "The standard the verdict follows; ieee80 by default."},
         {"method", "computed|formulas",
          "Computed in the soil model, or the formulas on one resistivity; computed by default where the "
          "soil "
          "has layers."},
         {"map", "FILE",
          "Writes the computed surface potential, touch and step voltages on their points (.csv or .json)."},
         {"profile", "X1,Y1,X2,Y2",
          "The computed surface potential and touch voltage along the line between two points (metres, "
          "in the grid's coordinates: its corner at 0,0), on points 0.25 m apart."},
         {"profile-out", "FILE", "Writes the profile into this file (.csv or .json) instead of the output."},
         {"format", "table|json", "The output's format; table by default."}}},
       RunGrid}}});

}  // namespace
}  // namespace terrovane::cli
