#include "GridSoilText.h"

#include <QCoreApplication>

#include "Numbers.h"

namespace terrovane::texts {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("GridSoil", text);
}

QString Number(double value, int significant) {
    return QString::fromStdString(numbers::General(value, significant));
}

}  // namespace

QString GridVerdictText(grid::Verdict verdict) {
    switch (verdict) {
        case grid::Verdict::Safe:
            return Tr(QT_TRANSLATE_NOOP("GridSoil", "Safe"));
        case grid::Verdict::Unsafe:
            return Tr(QT_TRANSLATE_NOOP("GridSoil", "Not safe"));
        case grid::Verdict::NotShownSafe:
            return Tr(QT_TRANSLATE_NOOP("GridSoil", "Not shown safe"));
    }
    return {};
}

QString SoilDoubtText(const grid::SoilDoubt& doubt) {
    switch (doubt.code) {
        case grid::SoilDoubtCode::RangeNotSafe:
            return Tr(QT_TRANSLATE_NOOP("GridSoil",
                                        "The soil is not known well enough: the design is not safe across "
                                        "the soil model's one-sigma range."));
        case grid::SoilDoubtCode::RangeUnknown:
            return Tr(QT_TRANSLATE_NOOP("GridSoil",
                                        "The soil is not known well enough: the fit cannot say how uncertain "
                                        "its values are (too few points, or a value the points do not "
                                        "determine)."));
        case grid::SoilDoubtCode::LayerNotResolved:
            return Tr(QT_TRANSLATE_NOOP("GridSoil",
                                        "The soil is not known well enough: the sounding does not resolve "
                                        "layer %1 of the model."))
                .arg(Number(doubt.value, 2));
        case grid::SoilDoubtCode::MisfitTooLarge:
            return Tr(QT_TRANSLATE_NOOP("GridSoil",
                                        "The soil is not known well enough: the model misses its points by "
                                        "%1 % RMS, more than the %2 % a sounding can have."))
                .arg(Number(doubt.value, 3), Number(doubt.limit, 3));
    }
    return {};
}

QString SoilEndText(const grid::SoilEnd& end, bool highEnd) {
    const QString text =
        highEnd
            ? Tr(QT_TRANSLATE_NOOP("GridSoil", "At the high end of the soil's one-sigma range, %1 Ω·m: %2"))
            : Tr(QT_TRANSLATE_NOOP("GridSoil", "At the low end of the soil's one-sigma range, %1 Ω·m: %2"));
    return text.arg(Number(end.resistivity, 4), GridVerdictText(end.verdict));
}

QStringList SoilCertaintyLines(const grid::Assessment& a) {
    QStringList lines;
    for (const grid::SoilDoubt& doubt : a.soilDoubts)
        lines << SoilDoubtText(doubt);
    if (a.lowSoil)
        lines << SoilEndText(*a.lowSoil, false);
    if (a.highSoil)
        lines << SoilEndText(*a.highSoil, true);
    return lines;
}

}  // namespace terrovane::texts
