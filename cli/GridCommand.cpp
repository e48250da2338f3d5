// terrovane-cli grid: the touch and step voltages of an earthing grid on the measured soil, judged against
// what a body tolerates.
#include "ArchiveAccess.h"
#include "Assessment.h"
#include "Command.h"
#include "GridDesignFile.h"
#include "GridOutput.h"
#include "Numbers.h"
#include "SoilCertainty.h"
#include "SoilModels.h"
#include "StoredResults.h"
#include "StoredSoil.h"

#include <algorithm>

namespace terrovane::cli {
namespace {

constexpr const char* kName = "grid";

// A stored model with its uncertainty, its layers judged again as the fit judges them.
grid::FittedSoil FittedSoilOf(const archive::StoredSoilModel& model) {
    grid::FittedSoil soil;
    soil.logCovariance = model.logCovariance;
    soil.rmsPercent = model.rmsPercent;
    double longestSpacing = 0;
    for (const archive::StoredSoundingPoint& point : model.points)
        longestSpacing = std::max(longestSpacing, point.spacing);
    for (const archive::StoredSoilLayer& layer : model.layers) {
        soil.model.resistivities.push_back(layer.resistivity);
        if (layer.thickness)
            soil.model.thicknesses.push_back(*layer.thickness);
        analysis::FittedLayer fitted;
        fitted.resistivity = layer.resistivity;
        fitted.resistivitySigma = layer.resistivitySigma;
        fitted.thickness = layer.thickness;
        fitted.thicknessSigma = layer.thicknessSigma;
        soil.layers.push_back(fitted);
    }
    analysis::JudgeResolved(soil.layers, longestSpacing);
    return soil;
}

// The uniform soil the formulas use: typed, from the design file, or a stored model (`fitted`, reduced for
// this grid by the assessment). Returns the exit status when it cannot (after a message), else nullopt.
std::optional<int> ChooseSoil(const ParsedArguments& options, const GridDesignFile& file,
                              grid::UniformSoil& soil, std::optional<grid::FittedSoil>& fitted) {
    if (options.Has("rho")) {
        const std::optional<double> rho = numbers::ParseDecimal(options.Value("rho"));
        if (!rho || !(*rho > 0))
            return UsageError(kName, CliText::tr("--rho is a resistivity in ohm-metres above zero"));
        soil = grid::GivenSoil(*rho);
        return std::nullopt;
    }
    if (options.Has("soil-model") || options.Has("site")) {
        archive::StoredSoilModel model;
        if (!LoadStoredModel(kName, options, model))
            return kExitFailed;
        fitted = FittedSoilOf(model);
        return std::nullopt;
    }
    if (file.soilResistivity) {
        soil = grid::GivenSoil(*file.soilResistivity);
        return std::nullopt;
    }
    return UsageError(
        kName, CliText::tr("needs --rho, --soil-model or --site (or soil.resistivity_ohm_m in the design)"));
}

int RunGrid(const ParsedArguments& options) {
    const std::string standardName = options.Value("standard", "ieee80");
    if (standardName != "ieee80" && standardName != "en50522")
        return UsageError(kName, CliText::tr("--standard is ieee80 or en50522"));
    const std::string format = options.Value("format", "table");
    if (format != "table" && format != "json")
        return UsageError(kName, CliText::tr("--format is table or json"));
    GridDesignFile file;
    if (const std::optional<int> failed = LoadGridDesignFile(kName, options.Value("design"), file))
        return *failed;
    grid::UniformSoil soil;
    std::optional<grid::FittedSoil> fitted;
    if (const std::optional<int> failed = ChooseSoil(options, file, soil, fitted))
        return *failed;
    const grid::Standard standard =
        standardName == "en50522" ? grid::Standard::En50522 : grid::Standard::Ieee80;
    const grid::Assessment assessment = fitted ? grid::AssessOnFittedSoil(file.design, *fitted, standard)
                                               : grid::Assess(file.design, soil, standard);
    const std::string output = format == "json" ? GridJson(assessment) : GridTable(assessment);
    if (std::fwrite(output.data(), 1, output.size(), stdout) != output.size() || std::fflush(stdout) != 0)
        return CommandFailed(kName, CliText::tr("cannot write the assessment"));
    return kExitOk;
}

const CommandRegistrar kRegistrar(
    {kName,
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
     "(soil_doubts). A design the command cannot accept is named by its field, with status 2.",
     {{{kName,
        {},
        {{"design", "FILE", "The grid's design, a JSON file.", Presence::Required},
         {"rho", "OHM_M", "The soil's uniform resistivity in ohm-metres.", Presence::AtMostOneOf},
         {"soil-model", "ID", "The soil model stored in the archive with this id.", Presence::AtMostOneOf},
         {"site", "SITE", "The newest soil model stored with this site.", Presence::AtMostOneOf},
         {"standard", "ieee80|en50522", "The standard the verdict follows; ieee80 by default."},
         {"format", "table|json", "The output's format; table by default."}}},
       RunGrid}}});

}  // namespace
}  // namespace terrovane::cli
