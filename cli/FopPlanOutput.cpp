// The table and JSON of terrovane-cli fop plan; numbers through the numbers module, whatever the locale.
#include "FopPlanOutput.h"

#include "Json.h"
#include "Numbers.h"

namespace terrovane::cli {
namespace {

using numbers::Fixed;
using numbers::General;

using numbers::Json;
using numbers::JsonText;

// Six significant digits: what the plan is good for, and what the table shows.
Json Number(double value) {
    return numbers::JsonNumber(value, 6);
}

Json JsonNumbers(const std::vector<double>& values) {
    Json json = Json::array();
    for (const double value : values)
        json.push_back(Number(value));
    return json;
}

std::string SoilLine(const electrode::Soil& soil) {
    std::string text;
    for (std::size_t i = 0; i < soil.resistivities.size(); ++i) {
        text += (i == 0 ? "" : ", ") + General(soil.resistivities[i], 4) + " ohm-m";
        if (i < soil.thicknesses.size())
            text += " for " + General(soil.thicknesses[i], 4) + " m";
    }
    return text;
}

std::string PlanPadded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

std::string FopPlanTable(const electrode::FopPlan& plan, const FopPlanAsked& asked) {
    const double d = asked.currentProbe;
    std::string text = "soil: " + SoilLine(asked.soil) + "\n";
    text += "current probe: " + General(d, 6) + " m at " + General(asked.directionDegrees, 6) + " degrees\n";
    text += "true resistance (the model's): " + General(plan.trueResistance, 4) + " ohm\n";
    text += "potential probe reading it: ";
    text += plan.trueFraction ? Fixed(100 * *plan.trueFraction, 1) + " % of D (" +
                                    General(*plan.trueFraction * d, 4) + " m)\n"
                              : std::string("none: the curve does not reach it\n");
    text += "plateau (52 % to 72 % of D): spread " + Fixed(plan.plateauSpreadPercent, 2) + " %\n";
    text += "plateau within " + General(asked.flatnessPercent, 4) + " % from D = ";
    text += plan.plateauDistance ? General(*plan.plateauDistance, 4) + " m\n"
                                 : std::string("none up to 100 km\n");
    text += "\n   x (m)     x/D    R (ohm)\n";
    for (const electrode::FopPlanPoint& p : plan.curve)
        text += PlanPadded(General(p.distance, 5), 8) + PlanPadded(Fixed(p.fraction, 3), 8) +
                PlanPadded(General(p.resistance, 5), 11) + "\n";
    return text;
}

std::string FopPlanJson(const electrode::FopPlan& plan, const FopPlanAsked& asked) {
    Json json;
    json["soil"] = {{"resistivities_ohm_m", JsonNumbers(asked.soil.resistivities)},
                    {"thicknesses_m", JsonNumbers(asked.soil.thicknesses)}};
    json["current_probe_m"] = Number(asked.currentProbe);
    json["direction_deg"] = Number(asked.directionDegrees);
    json["true_resistance_ohm"] = Number(plan.trueResistance);
    json["true_position"] = nullptr;
    if (plan.trueFraction)
        json["true_position"] = {{"fraction", Number(*plan.trueFraction)},
                                 {"distance_m", Number(*plan.trueFraction * asked.currentProbe)}};
    json["plateau_spread_percent"] = Number(plan.plateauSpreadPercent);
    json["flatness_percent"] = Number(asked.flatnessPercent);
    json["plateau_current_probe_m"] = plan.plateauDistance ? Number(*plan.plateauDistance) : Json(nullptr);
    json["curve"] = Json::array();
    for (const electrode::FopPlanPoint& p : plan.curve)
        json["curve"].push_back({{"distance_m", Number(p.distance)},
                                 {"fraction", Number(p.fraction)},
                                 {"resistance_ohm", Number(p.resistance)}});
    return JsonText(json) + "\n";
}

}  // namespace terrovane::cli
