#include "AnalysisText.h"

#include <cmath>
#include <cstdio>

namespace terrovane::analysis {
namespace {

std::string Printed(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string JsonNumber(double value) {
    return std::isfinite(value) ? Printed("%.6g", value) : "null";
}

// A value with its one-sigma uncertainty for the table.
std::string WithSigma(double value, double sigma) {
    const std::string shown = Printed("%.4g", value);
    if (std::isnan(sigma))
        return shown + " (no uncertainty: as many points as parameters)";
    if (!std::isfinite(sigma))
        return shown + " (not determined by the data)";
    return shown + " +- " + Printed("%.2g", sigma);
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
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
        json += "}";
    }
    json += "], \"rms_percent\": " + JsonNumber(fit.rmsPercent) + ", \"points\": [";
    for (std::size_t i = 0; i < fit.points.size(); ++i) {
        const FittedPoint& p = fit.points[i];
        json += i == 0 ? "" : ", ";
        json += "{\"spacing_m\": " + JsonNumber(p.spacing) + ", \"measured\": " + JsonNumber(p.measured) +
                ", \"model\": " + JsonNumber(p.model) +
                ", \"residual_percent\": " + JsonNumber(p.residualPercent) + "}";
    }
    return json + "]}\n";
}

std::string SoilFitTable(const SoilFit& fit) {
    std::string text = "layer  resistivity (ohm-m)                 thickness (m)\n";
    for (std::size_t i = 0; i < fit.layers.size(); ++i) {
        const FittedLayer& layer = fit.layers[i];
        text += Padded(std::to_string(i + 1), 7) +
                Padded(WithSigma(layer.resistivity, layer.resistivitySigma), 37);
        text += layer.thickness ? WithSigma(*layer.thickness, *layer.thicknessSigma) : "(to any depth)";
        text += "\n";
    }
    text += "RMS error " + Printed("%.2f", fit.rmsPercent) + " %\n\n";
    text += "spacing (m)  measured (ohm-m)  model (ohm-m)  residual (%)\n";
    for (const FittedPoint& p : fit.points) {
        text += Padded(Printed("%g", p.spacing), 13) + Padded(Printed("%.4g", p.measured), 18) +
                Padded(Printed("%.4g", p.model), 15) + Printed("%+.2f", p.residualPercent) + "\n";
    }
    return text;
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
    return json + "}\n";
}

std::string FopTable(const FopAnalysis& analysis, double currentProbe) {
    std::string text = "resistance at 61.8 % of D (" + Printed("%g", kTrueFraction * currentProbe) +
                       " m): " + Printed("%.4g", analysis.resistanceAt618) + " ohm\n";
    text += "plateau (52 % to 72 % of D, within 5 %): ";
    if (analysis.plateau) {
        text += std::string(*analysis.plateau ? "yes" : "no") + ", spread " +
                Printed("%.2f", analysis.plateauSpreadPercent) + " %\n";
    } else {
        text += "not checked\n";
    }
    if (analysis.slope) {
        text += "slope method: mu " + Printed("%.3f", analysis.slope->mu) + ", Pt/C " +
                Printed("%.3f", analysis.slope->ptOverC) + " (Pt " +
                Printed("%.3g", analysis.slope->ptOverC * currentProbe) + " m), resistance " +
                Printed("%.4g", analysis.slope->resistance) + " ohm\n";
    } else {
        text += "slope method: none\n";
    }
    return text;
}

}  // namespace terrovane::analysis
