// terrovane-cli fop plan: the fall-of-potential measurement planned from the soil model.
#include "FopPlanCommand.h"

#include <cstdio>
#include <optional>

#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "DesignElectrode.h"
#include "FallOfPotentialPlan.h"
#include "FopPlanOutput.h"
#include "GridAssessments.h"
#include "GridDesignFile.h"
#include "GridFromArchive.h"
#include "Numbers.h"
#include "Shapes.h"
#include "Sites.h"
#include "StoredResults.h"
#include "StoredSoil.h"

namespace terrovane::cli {
namespace {

constexpr const char* kName = "fop plan";
// The command whose usage a usage error shows: both forms of fop.
constexpr const char* kCommand = "fop";
// A common earth rod's diameter (5/8 in), when --rod gives only the length.
constexpr double kRodDiameter = 0.016;

// The electrode and, from a design file, the soil it may carry.
struct PlannedElectrode {
    electrode::Electrode conductors;
    std::optional<electrode::Soil> designSoil;
};

std::optional<double> Positive(const std::string& text) {
    const std::optional<double> value = numbers::ParseDecimal(text);
    return value && *value > 0 ? value : std::nullopt;
}

// "LENGTH" or "LENGTH,DIAMETER" in metres.
bool ParseRod(const std::string& text, electrode::Electrode& rod) {
    const std::size_t comma = text.find(',');
    const std::optional<double> length = Positive(text.substr(0, comma));
    const std::optional<double> diameter =
        comma == std::string::npos ? std::optional<double>(kRodDiameter) : Positive(text.substr(comma + 1));
    if (!length || !diameter)
        return false;
    electrode::AddRod(rod, {0, 0, 0}, *length, *diameter / 2);
    return true;
}

// The grid and rods of the newest grid assessment stored with the site. False after a message.
bool LoadStoredGrid(const std::string& name, electrode::Electrode& conductors) {
    auto store = OpenArchiveFor(kName);
    if (store == nullptr)
        return false;
    std::string error;
    const auto site = archive::FindSite(*store, name, error);
    if (!site) {
        CommandFailed(kName, texts::ArchiveProblemText(error));
        return false;
    }
    const archive::Result<std::vector<archive::StoredGridAssessment>> assessments =
        archive::GridAssessments(*store, site->id);
    if (!assessments) {
        CommandFailed(kName, texts::FailureText(assessments.Error()));
        return false;
    }
    if (assessments.Value().empty()) {
        CommandFailed(kName, CliText::tr("site \"%1\" has no stored grid assessment").arg(Given(name)));
        return false;
    }
    conductors = electrode::ElectrodeOfDesign(stored::DesignOf(assessments.Value().front()));
    return true;
}

// Returns the exit status when the electrode cannot be had (after a message), else nullopt.
std::optional<int> ChooseElectrode(const ParsedArguments& options, PlannedElectrode& chosen) {
    if (options.Has("stored-grid")) {
        if (!LoadStoredGrid(options.Value("stored-grid"), chosen.conductors))
            return kExitFailed;
        return std::nullopt;
    }
    if (options.Has("rod")) {
        if (!ParseRod(options.Value("rod"), chosen.conductors))
            return UsageError(
                kCommand,
                CliText::tr("--rod takes the rod's length in metres, and its diameter after a comma"));
        return std::nullopt;
    }
    GridDesignFile file;
    if (const std::optional<int> failed = LoadGridDesignFile(kName, options.Value("design"), file))
        return *failed;
    chosen.conductors = electrode::ElectrodeOfDesign(file.design);
    if (file.soilLayers)
        chosen.designSoil = *file.soilLayers;
    else if (file.soilResistivity)
        chosen.designSoil = electrode::Soil{{*file.soilResistivity}, {}};
    return std::nullopt;
}

// The soil as the solver takes it: typed, a stored model with its layers, or the design file's.
std::optional<int> ChooseSoil(const ParsedArguments& options, const PlannedElectrode& chosen,
                              electrode::Soil& soil) {
    if (options.Has("rho")) {
        const std::optional<double> rho = Positive(options.Value("rho"));
        if (!rho)
            return UsageError(kCommand, CliText::tr("--rho is a resistivity in ohm-metres above zero"));
        soil = {{*rho}, {}};
        return std::nullopt;
    }
    if (options.Has("soil-model") || options.Has("site")) {
        archive::StoredSoilModel model;
        if (!LoadStoredModel(kName, options, model))
            return kExitFailed;
        soil = EarthOf(model);
        return std::nullopt;
    }
    if (chosen.designSoil) {
        soil = *chosen.designSoil;
        return std::nullopt;
    }
    return UsageError(
        kCommand,
        CliText::tr("needs --rho, --soil-model or --site (or soil.resistivity_ohm_m in the design)"));
}

std::optional<int> ParseRequest(const ParsedArguments& options, electrode::FopPlanRequest& request) {
    const std::optional<double> d = Positive(options.Value("current-probe"));
    if (!d)
        return UsageError(kCommand,
                          CliText::tr("--current-probe takes the current probe's distance in metres"));
    request.currentProbe = *d;
    const std::optional<double> direction = numbers::ParseDecimal(options.Value("direction", "0"));
    if (!direction)
        return UsageError(kCommand,
                          CliText::tr("--direction takes the line's direction in degrees from the x axis"));
    request.directionDegrees = *direction;
    const std::optional<double> flatness = Positive(options.Value("flatness", "5"));
    if (!flatness)
        return UsageError(kCommand,
                          CliText::tr("--flatness takes the plateau's flatness in per cent, above zero"));
    request.flatnessPercent = *flatness;
    return std::nullopt;
}

int Refused(electrode::FopPlanStatus status) {
    using electrode::FopPlanStatus;
    switch (status) {
        case FopPlanStatus::BadCurrentProbe:
            return UsageError(
                kCommand, CliText::tr("the current probe must stand beyond the electrode and within 100 km"));
        case FopPlanStatus::BadSoil:
            return CommandFailed(kName,
                                 CliText::tr("the soil model has a layer the computation cannot take"));
        case FopPlanStatus::BadElectrode:
        case FopPlanStatus::BadProbe:
            return CommandFailed(
                kName,
                CliText::tr("the electrode has a conductor without length or radius, or above the surface"));
        case FopPlanStatus::NotSolved:
        case FopPlanStatus::BadFlatness:
        case FopPlanStatus::BadCurvePoints:
        case FopPlanStatus::Planned:
            break;
    }
    return CommandFailed(kName, CliText::tr("the electrode could not be computed in this soil"));
}

int RunPlan(const ParsedArguments& options) {
    const std::string format = options.Value("format", "table");
    if (format != "table" && format != "json")
        return UsageError(kCommand, CliText::tr("--format is table or json"));
    electrode::FopPlanRequest request;
    if (const std::optional<int> failed = ParseRequest(options, request))
        return *failed;
    PlannedElectrode chosen;
    if (const std::optional<int> failed = ChooseElectrode(options, chosen))
        return *failed;
    electrode::Soil soil;
    if (const std::optional<int> failed = ChooseSoil(options, chosen, soil))
        return *failed;
    const electrode::FopPlan plan = electrode::PlanFallOfPotential(chosen.conductors, soil, request);
    if (plan.status != electrode::FopPlanStatus::Planned)
        return Refused(plan.status);
    const FopPlanAsked asked{request.currentProbe, request.directionDegrees, request.flatnessPercent, soil};
    const std::string text = format == "json" ? FopPlanJson(plan, asked) : FopPlanTable(plan, asked);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return CommandFailed(kName, CliText::tr("cannot write the plan"));
    return kExitOk;
}

}  // namespace

CommandForm FopPlanForm() {
    return {
        {"fop plan",
         {},
         {{"rho", "OHM_M", "The soil's uniform resistivity in ohm-metres.", Presence::AtMostOneOf},
          {"soil-model", "ID", "The soil model stored in the archive with this id, with its layers.",
           Presence::AtMostOneOf},
          {"site", "SITE", "The newest soil model stored with this site.", Presence::AtMostOneOf},
          {"rod", "LENGTH_M[,DIAMETER_M]",
           "The electrode is one rod driven from the surface; 16 mm thick unless given.", Presence::OneOf},
          {"design", "FILE", "The electrode is the grid and rods of this design file (as grid takes it).",
           Presence::OneOf},
          {"stored-grid", "SITE",
           "The electrode is the grid and rods of the newest grid assessment stored with this site.",
           Presence::OneOf},
          {"current-probe", "METRES", "The current probe's distance from the electrode's centre.",
           Presence::Required},
          {"direction", "DEGREES", "The line to the current probe, from the x axis towards y; 0 by default."},
          {"flatness", "PERCENT", "The plateau's largest spread over 52 % to 72 % of D; 5 by default."},
          {"format", "table|json", "The output's format; table by default."}}},
        RunPlan};
}

}  // namespace terrovane::cli
