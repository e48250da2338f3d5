// The computed grid assessment as terrovane-cli grid prints it; numbers through the numbers module.
#include "GridComputedOutput.h"

#include <cmath>
#include <optional>

#include "GridReasonText.h"
#include "Numbers.h"

namespace terrovane::cli {
namespace {

using electrode::ComputedSafety;
using numbers::Fixed;
using numbers::General;

std::string ComputedJsonNumber(double value) {
    return std::isfinite(value) ? General(value, 6) : "null";
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

std::string PointJson(const electrode::Point& at) {
    return "[" + ComputedJsonNumber(at.x) + ", " + ComputedJsonNumber(at.y) + "]";
}

std::string LayersJson(const electrode::Soil& soil) {
    std::string json = "[";
    for (std::size_t i = 0; i < soil.resistivities.size(); ++i) {
        json += (i == 0 ? "{" : ", {") + std::string("\"resistivity_ohm_m\": ") +
                ComputedJsonNumber(soil.resistivities[i]);
        if (i < soil.thicknesses.size())
            json += ", \"thickness_m\": " + ComputedJsonNumber(soil.thicknesses[i]);
        json += "}";
    }
    return json + "]";
}

std::string ReasonsJson(const std::vector<electrode::ComputedReason>& reasons) {
    std::string json = "[";
    for (std::size_t i = 0; i < reasons.size(); ++i) {
        const electrode::ComputedReason& r = reasons[i];
        json += (i == 0 ? "" : ", ") + std::string("{\"code\": \"") + electrode::ComputedReasonName(r.code) +
                "\", \"computed_v\": " + ComputedJsonNumber(r.computed) +
                ", \"limit_v\": " + ComputedJsonNumber(r.limit) +
                ", \"excess_v\": " + ComputedJsonNumber(r.computed - r.limit) + "}";
    }
    return json + "]";
}

std::string DifferencesJson(const ComputedSafety& c, const grid::Assessment& a) {
    return "{\"grid_resistance\": " + ComputedJsonNumber(DifferencePercent(c.resistance, a.gridResistance)) +
           ", \"gpr\": " + ComputedJsonNumber(DifferencePercent(c.gpr, a.gpr)) +
           ", \"mesh_touch\": " + ComputedJsonNumber(DifferencePercent(c.meshTouch.volts, a.meshVoltage)) +
           ", \"step\": " + ComputedJsonNumber(DifferencePercent(c.step.volts, a.stepVoltage)) + "}";
}

// One end of the soil model's uncertainty as computed: null where the model has none.
std::string EndJson(const std::optional<electrode::ComputedEnd>& end) {
    if (!end)
        return "null";
    return "{\"top_resistivity_ohm_m\": " + ComputedJsonNumber(end->topResistivity) +
           ", \"grid_resistance_ohm\": " + ComputedJsonNumber(end->resistance) +
           ", \"gpr_v\": " + ComputedJsonNumber(end->gpr) +
           ", \"max_touch_v\": " + ComputedJsonNumber(end->touch.volts) +
           ", \"max_step_v\": " + ComputedJsonNumber(end->step.volts) +
           ", \"touch_limit_v\": " + ComputedJsonNumber(end->touchLimit) +
           ", \"step_limit_v\": " + ComputedJsonNumber(end->stepLimit) + ", \"verdict\": \"" +
           grid::VerdictName(end->verdict) + "\"}";
}

std::string EndLine(const std::optional<electrode::ComputedEnd>& end) {
    if (!end)
        return {};
    return "With the top layer at " + General(end->topResistivity, 4) + " ohm-m: touch " +
           Fixed(end->touch.volts, 1) + " V (limit " + Fixed(end->touchLimit, 1) + " V), step " +
           Fixed(end->step.volts, 1) + " V (limit " + Fixed(end->stepLimit, 1) +
           " V): " + grid::VerdictName(end->verdict) + "\n";
}

std::string ValuesJson(const std::vector<double>& values) {
    std::string json = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
        json += (i == 0 ? "" : ", ") + ComputedJsonNumber(values[i]);
    return json + "]";
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
    return "{\"x0_m\": " + ComputedJsonNumber(area.x0) + ", \"y0_m\": " + ComputedJsonNumber(area.y0) +
           ", \"spacing_m\": " + ComputedJsonNumber(r.spacing) +
           ", \"points_x\": " + std::to_string(r.potential.nx) +
           ", \"points_y\": " + std::to_string(r.potential.ny) +
           ", \"order\": \"rows of x, y increasing\", \"potential_v\": " + ValuesJson(r.potential.values) +
           ", \"touch_v\": " + ValuesJson(r.touch) + ", \"step_v\": " + ValuesJson(r.step) + "}\n";
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

std::string WithComputedJson(const std::string& formulasJson, const ComputedSafety& c,
                             const grid::Assessment& a, const electrode::Soil& soil) {
    const std::size_t close = formulasJson.rfind('}');
    if (close == std::string::npos)
        return formulasJson;
    std::string members = ", \"method\": \"computed\", \"computed\": {";
    members += "\"soil_layers\": " + LayersJson(soil);
    members += ", \"segments\": " + std::to_string(c.segments);
    members += ", \"grid_resistance_ohm\": " + ComputedJsonNumber(c.resistance);
    members += ", \"grid_current_a\": " + ComputedJsonNumber(c.gridCurrent);
    members += ", \"gpr_v\": " + ComputedJsonNumber(c.gpr);
    members += ", \"max_touch_v\": " + ComputedJsonNumber(c.touch.volts) +
               ", \"max_touch_at_m\": " + PointJson(c.touch.at);
    members += ", \"max_mesh_touch_v\": " + ComputedJsonNumber(c.meshTouch.volts) +
               ", \"max_mesh_touch_at_m\": " + PointJson(c.meshTouch.at);
    members += ", \"max_step_v\": " + ComputedJsonNumber(c.step.volts) +
               ", \"max_step_at_m\": " + PointJson(c.step.at);
    members += ", \"touch_limit_v\": " + ComputedJsonNumber(c.touchLimit);
    members += ", \"step_limit_v\": " + ComputedJsonNumber(c.stepLimit);
    members += ", \"map_spacing_m\": " + ComputedJsonNumber(c.raster.spacing);
    members += ", \"verdict\": \"" + std::string(grid::VerdictName(c.verdict)) + "\"";
    members += ", \"reasons\": " + ReasonsJson(c.reasons);
    members += ", \"low_soil\": " + EndJson(c.lowSoil) + ", \"high_soil\": " + EndJson(c.highSoil);
    members += ", \"difference_percent\": " + DifferencesJson(c, a) + "}";
    return formulasJson.substr(0, close) + members + formulasJson.substr(close);
}

std::string MapFileText(const ComputedSafety& computed, const std::string& path) {
    if (EndsWith(path, ".csv"))
        return MapCsv(computed);
    if (EndsWith(path, ".json"))
        return MapJson(computed);
    return {};
}

}  // namespace terrovane::cli
