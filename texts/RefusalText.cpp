#include "RefusalText.h"

#include <QCoreApplication>

namespace terrovane::texts {
namespace {

QString Argument(const analysis::Refusal& refusal, std::size_t index) {
    return index < refusal.arguments.size() ? QString::fromStdString(refusal.arguments[index]) : QString();
}

int Count(const analysis::Refusal& refusal, std::size_t index) {
    return Argument(refusal, index).toInt();
}

QString TooFewPoints(const analysis::Refusal& r) {
    // Three counts, each with its own plural: three sentences joined, so every language can decline each.
    const int layers = Count(r, 0);
    const int points = Count(r, 2);
    return QCoreApplication::translate("Refusals", "%n layer(s) need %1 points,", nullptr, layers)
               .arg(Argument(r, 1)) +
           QLatin1Char(' ') +
           QCoreApplication::translate("Refusals", "but there are only %n.", nullptr, points);
}

}  // namespace

QString RefusalText(const analysis::Refusal& r) {
    using analysis::RefusalReason;
    switch (r.reason) {
        case RefusalReason::None:
            return {};
        case RefusalReason::PointNotANumber:
            return QCoreApplication::translate("Refusals", "Point %1: not a number.").arg(Argument(r, 0));
        case RefusalReason::SpacingNotPositive:
            return QCoreApplication::translate("Refusals", "Point %1: the spacing must be above 0 m.")
                .arg(Argument(r, 0));
        case RefusalReason::ResistivityNotPositive:
            return QCoreApplication::translate("Refusals",
                                               "Point %1: the apparent resistivity must be above 0 Ω·m.")
                .arg(Argument(r, 0));
        case RefusalReason::SpacingOutOfRange:
            return QCoreApplication::translate(
                       "Refusals", "Point %1: a spacing outside 1 mm to 100 km is no Wenner sounding.")
                .arg(Argument(r, 0));
        case RefusalReason::ResistivityOutOfRange:
            return QCoreApplication::translate(
                       "Refusals", "Point %1: an apparent resistivity outside 1e-6 to 1e12 Ω·m is no soil.")
                .arg(Argument(r, 0));
        case RefusalReason::SpacingRepeated:
            return QCoreApplication::translate("Refusals",
                                               "Point %1: the spacing %2 m is already that of point %3.")
                .arg(Argument(r, 0), Argument(r, 1), Argument(r, 2));
        case RefusalReason::PotentialSpacingOutOfRange:
            return QCoreApplication::translate("Refusals",
                                               "Point %1: MN/2 must be above 0 m and below AB/2, %2 m.")
                .arg(Argument(r, 0), Argument(r, 1));
        case RefusalReason::LayerCountOutOfRange:
            return QCoreApplication::translate("Refusals", "The number of layers must be 1 to %1.")
                .arg(Argument(r, 0));
        case RefusalReason::TooFewPoints:
            return TooFewPoints(r);
        case RefusalReason::CurrentProbeOutOfRange:
            return QCoreApplication::translate(
                "Refusals", "The current-probe distance must be above 0 m and at most 100 km.");
        case RefusalReason::TooFewReadings:
            return QCoreApplication::translate("Refusals", "At least two readings are needed.");
        case RefusalReason::ReadingNotANumber:
            return QCoreApplication::translate("Refusals", "Reading %1: not a number.").arg(Argument(r, 0));
        case RefusalReason::ProbeOutsideSpan:
            return QCoreApplication::translate(
                       "Refusals",
                       "Reading %1: the potential probe must be between the electrode and the current probe "
                       "(0 to %2 m), not at %3 m.")
                .arg(Argument(r, 0), Argument(r, 1), Argument(r, 2));
        case RefusalReason::ReadingResistanceOutOfRange:
            return QCoreApplication::translate(
                       "Refusals", "Reading %1: the resistance must be above 0 Ω and at most 1e12 Ω.")
                .arg(Argument(r, 0));
        case RefusalReason::DistanceRepeated:
            return QCoreApplication::translate("Refusals",
                                               "Reading %1: the distance %2 m is already that of reading %3.")
                .arg(Argument(r, 0), Argument(r, 1), Argument(r, 2));
        case RefusalReason::PlateauNotChecked:
            return QCoreApplication::translate(
                "Refusals", "The readings do not reach from 52 % to 72 % of D: the plateau was not checked.");
        case RefusalReason::NoPlateau:
            return QCoreApplication::translate(
                       "Refusals",
                       "The curve from 52 % to 72 % of D spreads over %1 % (more than 5 %): the potential "
                       "probe is "
                       "not on a plateau; move the current probe further out and measure again.")
                .arg(Argument(r, 0));
        case RefusalReason::NoSlopeReadings:
            return QCoreApplication::translate("Refusals",
                                               "No readings at 20 %, 40 % and 60 % of D: no slope method.");
        case RefusalReason::SlopeOutsideTable:
            return QCoreApplication::translate(
                       "Refusals",
                       "The slope coefficient mu = %1 lies outside the slope table (0.40 "
                       "to 1.59): move the current probe further out.")
                .arg(Argument(r, 0));
        case RefusalReason::SlopePointOutsideReadings:
            return QCoreApplication::translate("Refusals",
                                               "The slope method's Pt = %1 m lies outside the readings.")
                .arg(Argument(r, 0));
        case RefusalReason::CentreOutsideReadings:
            return QCoreApplication::translate(
                       "Refusals",
                       "61.8 % of D (%1 m) lies outside the readings (%2 m to %3 m): add readings on both "
                       "sides "
                       "of it.")
                .arg(Argument(r, 0), Argument(r, 1), Argument(r, 2));
    }
    return {};
}

}  // namespace terrovane::texts
