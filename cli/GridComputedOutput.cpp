// The computed grid assessment as terrovane-cli grid prints it; numbers through the numbers module.
#include "GridComputedOutput.h"

#include <cmath>
#include <optional>

#include "GridReasonText.h"
#include "Json.h"
#include "Numbers.h"

namespace terrovane::cli {
namespace {

using electrode::ComputedSafety;
using numbers::Fixed;
using numbers::General;
using numbers::Json;

// Six significant digits, as the table is good for; null where there is no value.
Json ComputedNumber(double value) {
    return numbers::JsonNumber(value, 6);
}

// How far the computed value lies from the formulas', in per cent of the formulas'.
double DifferencePercent(double computed, double formulas) {
    return formulas != 0 ? 100 * (computed / formulas - 1) : std::nan("");
}

std::string PaddedCell(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string Where(const electrode::Point& at) {
    return "(" + Fixed(at.x, 1) + " m, " + Fixed(at.y, 1) + " m)";
}

std::string ComparedLine(const std::string& name, double computed, double formulas, int digits,
                         const std::string& unit) {
    const double difference = DifferencePercent(computed, formulas);
    std::string row = PaddedCell(name, 28) + PaddedCell(Fixed(computed, digits) + " " + unit, 14) +
                      PaddedCell(Fixed(formulas, digits) + " " + unit, 14);
    row += std::isfinite(difference) ? (difference >= 0 ? "+" : "") + Fixed(difference, 1) + " %" : "";
    return row + "\n";
}

std::string LayersText(const electrode::Soil& soil) {
    std::string text;
    for (std::size_t i = 0; i < soil.resistivities.size(); ++i) {
        text += (i == 0 ? "" : ", ") + General(soil.resistivities[i], 4) + " ohm-m";
        text += i < soil.thicknesses.size() ? " of " + General(soil.thicknesses[i], 4) + " m" : " below";
    }
    return soil.resistivities.size() == 1 ? General(soil.resistivities[0], 4) + " ohm-m, uniform" : text;
}

Json PointJson(const electrode::Point& at) {
    return Json::array({ComputedNumber(at.x), ComputedNumber(at.y)});
}

Json LayersJson(const electrode::Soil& soil) {
    Json layers = Json::array();
    for (std::size_t i = 0; i < soil.resistivities.size(); ++i) {
        Json layer = {{"resistivity_ohm_m", ComputedNumber(soil.resistivities[i])}};
        if (i < soil.thicknesses.size())
            layer["thickness_m"] = ComputedNumber(soil.thicknesses[i]);
        layers.push_back(std::move(layer));
    }
    return layers;
}

Json ReasonsJson(const std::vector<electrode::ComputedReason>& reasons) {
    Json json = Json::array();
    for (const electrode::ComputedReason& r : reasons)
        json.push_back({{"code", electrode::ComputedReasonName(r.code)},
                        {"computed_v", ComputedNumber(r.computed)},
                        {"limit_v", ComputedNumber(r.limit)},
                        {"excess_v", ComputedNumber(r.computed - r.limit)}});
    return json;
}

Json DifferencesJson(const ComputedSafety& c, const grid::Assessment& a) {
    return {{"grid_resistance", ComputedNumber(DifferencePercent(c.resistance, a.gridResistance))},
            {"gpr", ComputedNumber(DifferencePercent(c.gpr, a.gpr))},
            {"mesh_touch", ComputedNumber(DifferencePercent(c.meshTouch.volts, a.meshVoltage))},
            {"step", ComputedNumber(DifferencePercent(c.step.volts, a.stepVoltage))}};
}

// One end of the soil model's uncertainty as computed: null where the model has none.
Json EndJson(const std::optional<electrode::ComputedEnd>& end) {
    if (!end)
        return nullptr;
    return {{"top_resistivity_ohm_m", ComputedNumber(end->topResistivity)},
            {"grid_resistance_ohm", ComputedNumber(end->resistance)},
            {"gpr_v", ComputedNumber(end->gpr)},
            {"max_touch_v", ComputedNumber(end->touch.volts)},
            {"max_step_v", ComputedNumber(end->step.volts)},
            {"touch_limit_v", ComputedNumber(end->touchLimit)},
            {"step_limit_v", ComputedNumber(end->stepLimit)},
            {"verdict", grid::VerdictName(end->verdict)}};
}

std::string EndLine(const std::optional<electrode::ComputedEnd>& end) {
    if (!end)
        return {};
    return "With the top layer at " + General(end->topResistivity, 4) + " ohm-m: touch " +
           Fixed(end->touch.volts, 1) + " V (limit " + Fixed(end->touchLimit, 1) + " V), step " +
           Fixed(end->step.volts, 1) + " V (limit " + Fixed(end->stepLimit, 1) +
           " V): " + grid::VerdictName(end->verdict) + "\n";
}

Json ValuesJson(const std::vector<double>& values) {
    Json json = Json::array();
    for (const double value : values)
        json.push_back(ComputedNumber(value));
    return json;
}

std::string MapCsv(const ComputedSafety& c) {
    const electrode::SafetyRaster& r = c.raster;
    std::string csv = "x_m,y_m,potential_v,touch_v,step_v\n";
    for (int iy = 0; iy < r.potential.ny; ++iy)
        for (int ix = 0; ix < r.potential.nx; ++ix) {
            const electrode::Point p = r.potential.PointAt(ix, iy);
            const std::size_t i = r.Index(ix, iy);
            csv += General(p.x, 6) + "," + General(p.y, 6) + "," + General(r.potential.values[i], 6) + "," +
                   (std::isnan(r.touch[i]) ? "" : General(r.touch[i], 6)) + "," + General(r.step[i], 6) +
                   "\n";
        }
    return csv;
}

std::string MapJson(const ComputedSafety& c) {
    const electrode::SafetyRaster& r = c.raster;
    const electrode::Area& area = r.potential.area;
    const Json json = {{"x0_m", ComputedNumber(area.x0)},
                       {"y0_m", ComputedNumber(area.y0)},
                       {"spacing_m", ComputedNumber(r.spacing)},
                       {"points_x", r.potential.nx},
                       {"points_y", r.potential.ny},
                       {"order", "rows of x, y increasing"},
                       {"potential_v", ValuesJson(r.potential.values)},
                       {"touch_v", ValuesJson(r.touch)},
                       {"step_v", ValuesJson(r.step)}};
    return numbers::JsonText(json) + "\n";
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string ComputedTable(const ComputedSafety& c, const grid::Assessment& a, const electrode::Soil& soil) {
    std::string text = "Computed in the soil model (" + LayersText(soil) + "), " +
                       std::to_string(c.segments) + " segments, the surface on points " +
                       General(c.raster.spacing, 3) + " m apart\n\n";
    text += PaddedCell("", 28) + PaddedCell("computed", 14) + PaddedCell("formulas", 14) + "difference\n";
    text += ComparedLine("Grid resistance", c.resistance, a.gridResistance, 3, "ohm");
    text += ComparedLine("Ground potential rise", c.gpr, a.gpr, 1, "V");
    text += ComparedLine("Touch over the grid (Em)", c.meshTouch.volts, a.meshVoltage, 1, "V");
    text += ComparedLine("Step voltage (Es)", c.step.volts, a.stepVoltage, 1, "V");
    text += "\nLargest touch voltage within reach: " + Fixed(c.touch.volts, 1) + " V at " +
            Where(c.touch.at) + ", limit " + Fixed(c.touchLimit, 1) + " V\n";
    text += "Largest step voltage: " + Fixed(c.step.volts, 1) + " V at " + Where(c.step.at) + ", limit " +
            Fixed(c.stepLimit, 1) + " V\n";
    text += "\nVerdict (computed): " + std::string(grid::VerdictName(c.verdict)) + "\n";
    for (const electrode::ComputedReason& reason : c.reasons)
        text += "  " + texts::ComputedReasonText(reason).toStdString() + "\n";
    text += EndLine(c.lowSoil) + EndLine(c.highSoil);
    return text + "\nThe formulas on one resistivity:\n";
}

void AddComputedJson(Json& json, const ComputedSafety& c, const grid::Assessment& a,
                     const electrode::Soil& soil) {
    json["method"] = "computed";
    json["computed"] = {{"soil_layers", LayersJson(soil)},
                        {"segments", c.segments},
                        {"grid_resistance_ohm", ComputedNumber(c.resistance)},
                        {"grid_current_a", ComputedNumber(c.gridCurrent)},
                        {"gpr_v", ComputedNumber(c.gpr)},
                        {"max_touch_v", ComputedNumber(c.touch.volts)},
                        {"max_touch_at_m", PointJson(c.touch.at)},
                        {"max_mesh_touch_v", ComputedNumber(c.meshTouch.volts)},
                        {"max_mesh_touch_at_m", PointJson(c.meshTouch.at)},
                        {"max_step_v", ComputedNumber(c.step.volts)},
                        {"max_step_at_m", PointJson(c.step.at)},
                        {"touch_limit_v", ComputedNumber(c.touchLimit)},
                        {"step_limit_v", ComputedNumber(c.stepLimit)},
                        {"map_spacing_m", ComputedNumber(c.raster.spacing)},
                        {"verdict", grid::VerdictName(c.verdict)},
                        {"reasons", ReasonsJson(c.reasons)},
                        {"low_soil", EndJson(c.lowSoil)},
                        {"high_soil", EndJson(c.highSoil)},
                        {"difference_percent", DifferencesJson(c, a)}};
}

std::string MapFileText(const ComputedSafety& computed, const std::string& path) {
    if (EndsWith(path, ".csv"))
        return MapCsv(computed);
    if (EndsWith(path, ".json"))
        return MapJson(computed);
    return {};
}

}  // namespace terrovane::cli
