#include "FopSummaryText.h"

#include <QCoreApplication>

#include "Numbers.h"
#include "RefusalText.h"
#include "ShownNumber.h"

namespace terrovane::texts {
namespace {

// Three significant digits at least, as the instrument shows resistances.
QString Ohms(double value, const QLocale& locale) {
    return ShownFixed(value, value >= 100 ? 1 : value >= 10 ? 2 : 3, locale) + QStringLiteral(" Ω");
}

}  // namespace

QStringList FopSummaryText(const analysis::FopAnalysis& analysis, const QLocale& numbers) {
    if (!analysis.Ok()) {
        const QString reason = RefusalText(analysis.refusal);
        return {reason.isEmpty() ? QString::fromStdString(analysis.error) : reason};
    }
    QStringList lines{QCoreApplication::translate("FopSummary", "Resistance at 61.8 % of D: %1")
                          .arg(Ohms(analysis.resistanceAt618, numbers))};
    if (analysis.plateau) {
        const QString spread = ShownFixed(analysis.plateauSpreadPercent, 1, numbers);
        const QString tolerance = ShownFixed(analysis::kPlateauTolerancePercent, 0, numbers);
        lines << (*analysis.plateau ? QCoreApplication::translate(
                                          "FopSummary", "Plateau: yes, spread %1 % (tolerance %2 %)")
                                    : QCoreApplication::translate(
                                          "FopSummary", "Plateau: no, spread %1 % (tolerance %2 %)"))
                     .arg(spread, tolerance);
    }
    if (analysis.slope) {
        lines << QCoreApplication::translate("FopSummary", "Slope method: mu %1, Pt/C %2, resistance %3")
                     .arg(ShownFixed(analysis.slope->mu, 3, numbers),
                          ShownFixed(analysis.slope->ptOverC, 3, numbers),
                          Ohms(analysis.slope->resistance, numbers));
    }
    for (const analysis::Refusal& note : analysis.noteCodes)
        lines << RefusalText(note);
    return lines;
}

}  // namespace terrovane::texts
