#include "AnalysisText.h"

#include <algorithm>
#include <cmath>

#include "Json.h"
#include "Numbers.h"

namespace terrovane::analysis {
namespace {

using numbers::Fixed;
using numbers::FixedSigned;
using numbers::General;

using numbers::Json;

// Six significant digits: what a fit to field readings is good for.
Json JsonNumber(double value) {
    return numbers::JsonNumber(value, 6);
}

// A value with its one-sigma uncertainty for the table.
std::string WithSigma(double value, double sigma) {
    const std::string shown = General(value, 4);
    if (std::isnan(sigma))
        return shown + " (no uncertainty: as many points as parameters)";
    if (!std::isfinite(sigma))
        return shown + " (not determined by the data)";
    return shown + " ± " + General(sigma, 2);
}

std::string LeftOutLines(const std::vector<std::string>& leftOut) {
    std::string text;
    for (const std::string& line : leftOut)
        text += "left out: " + line + "\n";
    return text;
}

// Pads to `width` characters as a terminal shows them: "±" and "Ω·m" are one column each per character,
// however many bytes UTF-8 spends on them.
std::string Padded(std::string text, std::size_t width) {
    const auto shown = static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    if (shown < width)
        text.append(width - shown, ' ');
    return text;
}

}  // namespace

std::string SoilFitJson(const SoilFit& fit) {
    Json json = {{"layers", Json::array()}};
    for (const FittedLayer& layer : fit.layers) {
        Json shown = {{"resistivity_ohm_m", JsonNumber(layer.resistivity)}};
        if (layer.thickness)
            shown["thickness_m"] = JsonNumber(*layer.thickness);
        shown["resistivity_sigma"] = JsonNumber(layer.resistivitySigma);
        if (layer.thicknessSigma)
            shown["thickness_sigma"] = JsonNumber(*layer.thicknessSigma);
        shown["resolved"] = layer.resolved;
        json["layers"].push_back(std::move(shown));
    }
    json["rms_percent"] = JsonNumber(fit.rmsPercent);
    json["points"] = Json::array();
    for (const FittedPoint& p : fit.points) {
        Json point = {{"spacing_m", JsonNumber(p.spacing)},
                      {"measured", JsonNumber(p.measured)},
                      {"model", JsonNumber(p.model)},
                      {"residual_percent", JsonNumber(p.residualPercent)}};
        if (p.array == SoundingArray::Schlumberger)
            point["mn2_m"] = JsonNumber(p.mn2);
        json["points"].push_back(std::move(point));
    }
    json["left_out"] = fit.leftOut;
    return numbers::JsonText(json) + "\n";
}

std::string SoilFitTable(const SoilFit& fit) {
    std::string text = "layer  resistivity (Ω·m)                    thickness (m)\n";
    for (std::size_t i = 0; i < fit.layers.size(); ++i) {
        const FittedLayer& layer = fit.layers[i];
        text += Padded(std::to_string(i + 1), 7) +
                Padded(WithSigma(layer.resistivity, layer.resistivitySigma), 37);
        text += layer.thickness ? WithSigma(*layer.thickness, *layer.thicknessSigma) : "(to any depth)";
        text += layer.resolved ? "\n" : "  (not resolved)\n";
    }
    text += "RMS error " + Fixed(fit.rmsPercent, 2) + " %\n\n";
    // A Schlumberger reading is where its AB/2 and MN/2 put it.
    const bool schlumberger = std::any_of(fit.points.begin(), fit.points.end(), [](const FittedPoint& p) {
        return p.array == SoundingArray::Schlumberger;
    });
    text += schlumberger ? "AB/2 (m)     MN/2 (m)     " : "spacing (m)  ";
    text += "measured (Ω·m)    model (Ω·m)    residual (%)\n";
    for (const FittedPoint& p : fit.points) {
        text += Padded(General(p.spacing), 13);
        if (schlumberger)
            text += Padded(p.array == SoundingArray::Schlumberger ? General(p.mn2) : "-", 13);
        text += Padded(General(p.measured, 4), 18) + Padded(General(p.model, 4), 15) +
                FixedSigned(p.residualPercent, 2) + "\n";
    }
    return text + LeftOutLines(fit.leftOut);
}

std::string FopJson(const FopAnalysis& analysis) {
    Json json = {{"r_61_8_ohm", JsonNumber(analysis.resistanceAt618)},
                 {"plateau", analysis.plateau ? Json(*analysis.plateau) : Json(nullptr)},
                 {"plateau_spread_percent",
                  analysis.plateau ? JsonNumber(analysis.plateauSpreadPercent) : Json(nullptr)},
                 {"slope", nullptr}};
    if (analysis.slope)
        json["slope"] = {{"mu", JsonNumber(analysis.slope->mu)},
                         {"pt_over_c", JsonNumber(analysis.slope->ptOverC)},
                         {"resistance_ohm", JsonNumber(analysis.slope->resistance)}};
    json["left_out"] = analysis.leftOut;
    return numbers::JsonText(json) + "\n";
}

std::string FopTable(const FopAnalysis& analysis, double currentProbe) {
    std::string text = "resistance at 61.8 % of D (" + General(kTrueFraction * currentProbe) +
                       " m): " + General(analysis.resistanceAt618, 4) + " ohm\n";
    text += "plateau (52 % to 72 % of D, within 5 %): ";
    if (analysis.plateau) {
        text += std::string(*analysis.plateau ? "yes" : "no") + ", spread " +
                Fixed(analysis.plateauSpreadPercent, 2) + " %\n";
    } else {
        text += "not checked\n";
    }
    if (analysis.slope) {
        text += "slope method: mu " + Fixed(analysis.slope->mu, 3) + ", Pt/C " +
                Fixed(analysis.slope->ptOverC, 3) + " (Pt " +
                General(analysis.slope->ptOverC * currentProbe, 3) + " m), resistance " +
                General(analysis.slope->resistance, 4) + " ohm\n";
    } else {
        text += "slope method: none\n";
    }
    return text + LeftOutLines(analysis.leftOut);
}

}  // namespace terrovane::analysis
