#include "FopSummaryText.h"

#include <QCoreApplication>
#include <QLocale>

#include "RefusalText.h"

namespace terrovane::texts {
namespace {

// In the locale's notation: the summary is read in a window or on a printed page, never parsed.
QString Fixed(double value, int decimals) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

// Three significant digits at least, as the instrument shows resistances.
QString Ohms(double value) {
    return Fixed(value, value >= 100 ? 1 : value >= 10 ? 2 : 3) + QStringLiteral(" Ω");
}

}  // namespace

QStringList FopSummaryText(const analysis::FopAnalysis& analysis) {
    if (!analysis.Ok()) {
        const QString reason = RefusalText(analysis.refusal);
        return {reason.isEmpty() ? QString::fromStdString(analysis.error) : reason};
    }
    QStringList lines{QCoreApplication::translate("FopSummary", "Resistance at 61.8 % of D: %1")
                          .arg(Ohms(analysis.resistanceAt618))};
    if (analysis.plateau) {
        const QString spread = Fixed(analysis.plateauSpreadPercent, 1);
        const QString tolerance = Fixed(analysis::kPlateauTolerancePercent, 0);
        lines << (*analysis.plateau ? QCoreApplication::translate(
                                          "FopSummary", "Plateau: yes, spread %1 % (tolerance %2 %)")
                                    : QCoreApplication::translate(
                                          "FopSummary", "Plateau: no, spread %1 % (tolerance %2 %)"))
                     .arg(spread, tolerance);
    }
    if (analysis.slope) {
        lines << QCoreApplication::translate("FopSummary", "Slope method: mu %1, Pt/C %2, resistance %3")
                     .arg(Fixed(analysis.slope->mu, 3), Fixed(analysis.slope->ptOverC, 3),
                          Ohms(analysis.slope->resistance));
    }
    for (const analysis::Refusal& note : analysis.noteCodes)
        lines << RefusalText(note);
    return lines;
}

}  // namespace terrovane::texts
