#include "FopSummary.h"

#include "Numbers.h"

namespace terrovane::plots {
namespace {

using numbers::Fixed;

// Three significant digits at least, as the instrument shows resistances.
std::string Ohms(double value) {
    const int decimals = value >= 100 ? 1 : value >= 10 ? 2 : 3;
    return Fixed(value, decimals) + " ohm";
}

}  // namespace

std::vector<std::string> FopSummary(const analysis::FopAnalysis& analysis) {
    if (!analysis.Ok())
        return {analysis.error};
    std::vector<std::string> lines = {"Resistance at 61.8 % of D: " + Ohms(analysis.resistanceAt618)};
    if (analysis.plateau)
        lines.push_back(std::string("Plateau: ") + (*analysis.plateau ? "yes" : "no") + ", spread " +
                        Fixed(analysis.plateauSpreadPercent, 1) + " % (tolerance " +
                        Fixed(analysis::kPlateauTolerancePercent, 0) + " %)");
    if (analysis.slope)
        lines.push_back("Slope method: mu " + Fixed(analysis.slope->mu, 3) + ", Pt/C " +
                        Fixed(analysis.slope->ptOverC, 3) + ", resistance " +
                        Ohms(analysis.slope->resistance));
    for (const std::string& note : analysis.notes)
        lines.push_back(note);
    return lines;
}

}  // namespace terrovane::plots
