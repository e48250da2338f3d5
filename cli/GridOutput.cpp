// The tables and JSON of terrovane-cli grid; numbers through the numbers module, whatever the locale.
#include "GridOutput.h"

#include <cmath>

#include "GridReasonText.h"
#include "GridSoilText.h"
#include "Json.h"
#include "Numbers.h"

namespace terrovane::cli {
namespace {

using numbers::Fixed;
using numbers::General;

using numbers::Json;

// Six significant digits, as the table is good for.
Json JsonNumber(double value) {
    return numbers::JsonNumber(value, 6);
}

std::string Volts(double value) {
    return Fixed(value, 1) + " V";
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string SoilMethodText(const grid::UniformSoil& soil) {
    switch (soil.method) {
        case grid::UniformMethod::Given:
            return "given";
        case grid::UniformMethod::SingleLayer:
            return "the stored one-layer model";
        case grid::UniformMethod::ApparentAtEquivalentRadius:
            return "the " + std::to_string(soil.layers) +
                   "-layer model's Wenner apparent resistivity at the equivalent radius " +
                   Fixed(soil.spacing, 1) + " m";
    }
    return "";
}

std::string Row(const std::string& name, const std::string& tolerable, const std::string& computed) {
    std::string row = Padded(name, 28) + Padded(tolerable, 14) + computed;
    row.erase(row.find_last_not_of(' ') + 1);
    return row + "\n";
}

Json ReasonsJson(const std::vector<grid::Reason>& reasons) {
    Json json = Json::array();
    for (const grid::Reason& r : reasons)
        json.push_back({{"code", grid::ReasonName(r.code)},
                        {"computed_v", JsonNumber(r.computed)},
                        {"limit_v", JsonNumber(r.limit)},
                        {"excess_v", JsonNumber(r.Excess())},
                        {"text", texts::GridReasonText(r).toStdString()}});
    return json;
}

Json WarningsJson(const std::vector<grid::Warning>& warnings) {
    Json json = Json::array();
    for (const grid::Warning& w : warnings) {
        Json warning = {{"code", grid::WarningName(w.code)}, {"value", JsonNumber(w.value)}};
        if (!std::isnan(w.low))
            warning["low"] = JsonNumber(w.low);
        if (!std::isnan(w.high))
            warning["high"] = JsonNumber(w.high);
        warning["text"] = texts::GridWarningText(w).toStdString();
        json.push_back(std::move(warning));
    }
    return json;
}

Json SoilEndJson(const grid::SoilEnd& end) {
    return {{"resistivity_ohm_m", JsonNumber(end.resistivity)},
            {"verdict", grid::VerdictName(end.verdict)},
            {"reasons", ReasonsJson(end.reasons)}};
}

// What the assessment says about a fitted model: the doubts' stable codes and both ends of the range.
void AddSoilCertainty(const grid::Assessment& a, Json& json) {
    json["soil_doubts"] = Json::array();
    for (const grid::SoilDoubt& d : a.soilDoubts) {
        Json doubt = {{"code", grid::SoilDoubtName(d.code)}};
        if (!std::isnan(d.value))
            doubt["value"] = JsonNumber(d.value);
        if (!std::isnan(d.limit))
            doubt["limit"] = JsonNumber(d.limit);
        json["soil_doubts"].push_back(std::move(doubt));
    }
    if (a.lowSoil && a.highSoil)
        json["soil_range"] = {{"low", SoilEndJson(*a.lowSoil)}, {"high", SoilEndJson(*a.highSoil)}};
}

}  // namespace

std::string GridTable(const grid::Assessment& a) {
    std::string text = "Standard: ";
    text += a.standard == grid::Standard::En50522 ? "EN 50522:2010" : "IEEE Std 80-2013";
    text +=
        "\nSoil resistivity: " + General(a.soil.resistivity, 4) + " ohm-m (" + SoilMethodText(a.soil) + ")\n";
    text += "Surface layer factor Cs: " + Fixed(a.surfaceFactor, 3) + "\n";
    text += "Grid resistance Rg: " + Fixed(a.gridResistance, 3) + " ohm (Sverak)";
    if (a.schwarz)
        text += ", " + Fixed(a.schwarz->total, 3) + " ohm (Schwarz)";
    text += "\nGrid current IG: " + Fixed(a.current.current, 1) + " A (decrement factor " +
            Fixed(a.current.decrementFactor, 3) + ")\n";
    const grid::MeshFactors& f = a.factors;
    text += "Factors: n " + Fixed(f.n, 3) + ", Km " + Fixed(f.km, 3) + ", Kii " + Fixed(f.kii, 3) + ", Kh " +
            Fixed(f.kh, 3) + ", Ki " + Fixed(f.ki, 3) + ", Ks " + Fixed(f.ks, 3) + ", LM " + Fixed(f.lm, 1) +
            " m, LS " + Fixed(f.ls, 1) + " m\n\n";
    text += Row("", "tolerable", "computed");
    text += Row("Touch voltage (mesh Em)", Volts(a.tolerableTouch), Volts(a.meshVoltage));
    text += Row("Step voltage (Es)", Volts(a.tolerableStep), Volts(a.stepVoltage));
    text += Row("Ground potential rise", "", Volts(a.gpr));
    if (a.en50522) {
        text += Row("Permissible touch U_Tp", Volts(a.en50522->permissibleTouch), "");
        if (a.en50522->permissibleWithResistances != a.en50522->permissibleTouch)
            text += Row("  with added resistances", Volts(a.en50522->permissibleWithResistances), "");
    }
    text += "\nVerdict: " + std::string(grid::VerdictName(a.verdict)) + "\n";
    for (const grid::Reason& reason : a.reasons)
        text += "  " + texts::GridReasonText(reason).toStdString() + "\n";
    for (const QString& line : texts::SoilCertaintyLines(a))
        text += "  " + line.toStdString() + "\n";
    for (const grid::Warning& warning : a.warnings)
        text += "Warning: " + texts::GridWarningText(warning).toStdString() + "\n";
    return text;
}

Json GridJsonObject(const grid::Assessment& a) {
    Json json = {{"standard", grid::StandardName(a.standard)}};
    json["soil_resistivity_ohm_m"] = JsonNumber(a.soil.resistivity);
    json["soil_method"] = grid::UniformMethodName(a.soil.method);
    if (a.soil.method == grid::UniformMethod::ApparentAtEquivalentRadius)
        json["soil_wenner_spacing_m"] = JsonNumber(a.soil.spacing);
    json["soil_layers"] = a.soil.layers;
    json["surface_factor_cs"] = JsonNumber(a.surfaceFactor);
    json["tolerable_touch_v"] = JsonNumber(a.tolerableTouch);
    json["tolerable_step_v"] = JsonNumber(a.tolerableStep);
    json["grid_resistance_ohm"] = JsonNumber(a.gridResistance);
    if (a.schwarz)
        json["grid_resistance_schwarz_ohm"] = JsonNumber(a.schwarz->total);
    json["decrement_factor"] = JsonNumber(a.current.decrementFactor);
    json["grid_current_a"] = JsonNumber(a.current.current);
    json["gpr_v"] = JsonNumber(a.gpr);
    json["mesh_voltage_v"] = JsonNumber(a.meshVoltage);
    json["step_voltage_v"] = JsonNumber(a.stepVoltage);
    const grid::MeshFactors& f = a.factors;
    json["factors"] = {{"n", JsonNumber(f.n)},     {"na", JsonNumber(f.na)},   {"nb", JsonNumber(f.nb)},
                       {"nc", JsonNumber(f.nc)},   {"nd", JsonNumber(f.nd)},   {"km", JsonNumber(f.km)},
                       {"kii", JsonNumber(f.kii)}, {"kh", JsonNumber(f.kh)},   {"ki", JsonNumber(f.ki)},
                       {"ks", JsonNumber(f.ks)},   {"lm_m", JsonNumber(f.lm)}, {"ls_m", JsonNumber(f.ls)}};
    if (a.en50522) {
        json["permissible_touch_v"] = JsonNumber(a.en50522->permissibleTouch);
        json["permissible_touch_with_resistances_v"] = JsonNumber(a.en50522->permissibleWithResistances);
        json["body_current_a"] = JsonNumber(a.en50522->bodyCurrent);
    }
    json["verdict"] = grid::VerdictName(a.verdict);
    json["reasons"] = ReasonsJson(a.reasons);
    if (a.soil.method != grid::UniformMethod::Given)
        AddSoilCertainty(a, json);
    json["warnings"] = WarningsJson(a.warnings);
    return json;
}

std::string GridJson(const grid::Assessment& a) {
    return numbers::JsonText(GridJsonObject(a)) + "\n";
}

}  // namespace terrovane::cli
