#include "AnalysisText.h"

#include <algorithm>
#include <cmath>

#include "Numbers.h"

namespace terrovane::analysis {
namespace {

using numbers::Fixed;
using numbers::FixedSigned;
using numbers::General;

std::string JsonNumber(double value) {
    return std::isfinite(value) ? General(value, 6) : "null";
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

std::string JsonText(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            json += '\\';
        if (static_cast<unsigned char>(c) >= 0x20)
            json += c;
    }
    return json + "\"";
}

std::string JsonTexts(const std::vector<std::string>& texts) {
    std::string json = "[";
    for (std::size_t i = 0; i < texts.size(); ++i)
        json += (i == 0 ? "" : ", ") + JsonText(texts[i]);
    return json + "]";
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
    std::string json = "{\"layers\": [";
    for (std::size_t i = 0; i < fit.layers.size(); ++i) {
        const FittedLayer& layer = fit.layers[i];
        json += i == 0 ? "" : ", ";
        json += "{\"resistivity_ohm_m\": " + JsonNumber(layer.resistivity);
        if (layer.thickness)
            json += ", \"thickness_m\": " + JsonNumber(*layer.thickness);
        json += ", \"resistivity_sigma\": " + JsonNumber(layer.resistivitySigma);
        if (layer.thicknessSigma)
            json += ", \"thickness_sigma\": " + JsonNumber(*layer.thicknessSigma);
        json += std::string(", \"resolved\": ") + (layer.resolved ? "true" : "false") + "}";
    }
    json += "], \"rms_percent\": " + JsonNumber(fit.rmsPercent) + ", \"points\": [";
    for (std::size_t i = 0; i < fit.points.size(); ++i) {
        const FittedPoint& p = fit.points[i];
        json += i == 0 ? "" : ", ";
        json += "{\"spacing_m\": " + JsonNumber(p.spacing) + ", \"measured\": " + JsonNumber(p.measured) +
                ", \"model\": " + JsonNumber(p.model) +
                ", \"residual_percent\": " + JsonNumber(p.residualPercent) + "}";
    }
    return json + "], \"left_out\": " + JsonTexts(fit.leftOut) + "}\n";
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
    text += "spacing (m)  measured (Ω·m)    model (Ω·m)    residual (%)\n";
    for (const FittedPoint& p : fit.points) {
        text += Padded(General(p.spacing), 13) + Padded(General(p.measured, 4), 18) +
                Padded(General(p.model, 4), 15) + FixedSigned(p.residualPercent, 2) + "\n";
    }
    return text + LeftOutLines(fit.leftOut);
}

std::string FopJson(const FopAnalysis& analysis) {
    std::string json = "{\"r_61_8_ohm\": " + JsonNumber(analysis.resistanceAt618) + ", \"plateau\": ";
    json += analysis.plateau ? (*analysis.plateau ? "true" : "false") : "null";
    json += ", \"plateau_spread_percent\": " +
            (analysis.plateau ? JsonNumber(analysis.plateauSpreadPercent) : std::string("null"));
    json += ", \"slope\": ";
    if (analysis.slope) {
        json += "{\"mu\": " + JsonNumber(analysis.slope->mu) +
                ", \"pt_over_c\": " + JsonNumber(analysis.slope->ptOverC) +
                ", \"resistance_ohm\": " + JsonNumber(analysis.slope->resistance) + "}";
    } else {
        json += "null";
    }
    return json + ", \"left_out\": " + JsonTexts(analysis.leftOut) + "}\n";
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
