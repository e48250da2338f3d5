#include "GridReasonText.h"

#include <QCoreApplication>

#include "ShownNumber.h"

namespace terrovane::texts {
namespace {

QString GridTr(const char* text) {
    return QCoreApplication::translate("GridText", text);
}

}  // namespace

QString VoltsText(double volts, const QLocale& numbers) {
    return GridTr(QT_TRANSLATE_NOOP("GridText", "%1 V")).arg(ShownFixed(volts, 1, numbers));
}

QString GridReasonText(const grid::Reason& r, const QLocale& numbers) {
    const QString computed = VoltsText(r.computed, numbers);
    const QString limit = VoltsText(r.limit, numbers);
    const QString excess = VoltsText(r.Excess(), numbers);
    const QString percent = ShownFixed(r.ExcessPercent(), 1, numbers);
    switch (r.code) {
        case grid::ReasonCode::GprBelowTouch:
            return GridTr(QT_TRANSLATE_NOOP(
                              "GridText",
                              "The ground potential rise %1 is below the tolerable touch voltage %2"))
                .arg(computed, limit);
        case grid::ReasonCode::MeshBelowTouch:
            return GridTr(QT_TRANSLATE_NOOP("GridText",
                                            "The mesh voltage %1 is below the tolerable touch voltage %2"))
                .arg(computed, limit);
        case grid::ReasonCode::StepBelowStep:
            return GridTr(QT_TRANSLATE_NOOP("GridText",
                                            "The step voltage %1 is below the tolerable step voltage %2"))
                .arg(computed, limit);
        case grid::ReasonCode::MeshAboveTouch:
            return GridTr(QT_TRANSLATE_NOOP(
                              "GridText",
                              "The mesh voltage %1 is %3 (%4 %) above the tolerable touch voltage %2"))
                .arg(computed, limit, excess, percent);
        case grid::ReasonCode::StepAboveStep:
            return GridTr(QT_TRANSLATE_NOOP(
                              "GridText",
                              "The step voltage %1 is %3 (%4 %) above the tolerable step voltage %2"))
                .arg(computed, limit, excess, percent);
        case grid::ReasonCode::EprWithinTwicePermissible:
            return GridTr(
                       QT_TRANSLATE_NOOP(
                           "GridText",
                           "The earth potential rise %1 is at most twice the permissible touch voltage (%2)"))
                .arg(computed, limit);
        case grid::ReasonCode::TouchWithinPermissible:
            return GridTr(
                       QT_TRANSLATE_NOOP("GridText",
                                         "The touch voltage (the mesh voltage) %1 is within the permissible "
                                         "touch voltage %2"))
                .arg(computed, limit);
        case grid::ReasonCode::TouchAbovePermissible:
            return GridTr(QT_TRANSLATE_NOOP("GridText",
                                            "The touch voltage (the mesh voltage) %1 is %3 (%4 %) above the "
                                            "permissible touch voltage %2"))
                .arg(computed, limit, excess, percent);
    }
    return {};
}

QString GridWarningText(const grid::Warning& w, const QLocale& numbers) {
    const QString value = ShownSignificant(w.value, 4, numbers);
    const QString high = ShownSignificant(w.high, 4, numbers);
    switch (w.code) {
        case grid::WarningCode::DepthOutsideRange:
            return GridTr(QT_TRANSLATE_NOOP(
                              "GridText", "The depth %1 m is outside the formulas' range of 0.25 m to 2.5 m"))
                .arg(value);
        case grid::WarningCode::SpacingTooSmall:
            return GridTr(QT_TRANSLATE_NOOP("GridText", "The spacing %1 m is not above the formulas' 2.5 m"))
                .arg(value);
        case grid::WarningCode::ConductorTooThick:
            return GridTr(QT_TRANSLATE_NOOP(
                              "GridText",
                              "The conductor diameter %1 m is not below a quarter of the depth (%2 m)"))
                .arg(value, high);
        case grid::WarningCode::TooManyMeshes:
            return GridTr(QT_TRANSLATE_NOOP("GridText", "n = %1 is above the formulas' 25"))
                .arg(ShownFixed(w.value, 2, numbers));
        case grid::WarningCode::ShockDurationOutsideRange:
            return GridTr(QT_TRANSLATE_NOOP(
                              "GridText",
                              "The shock duration %1 s is outside the body current limit's 0.03 s to 3 s"))
                .arg(value);
        case grid::WarningCode::UnequalSpacing:
            return GridTr(QT_TRANSLATE_NOOP(
                              "GridText", "The spacings differ (%1 m and %2 m): the formulas use the larger"))
                .arg(value, high);
        case grid::WarningCode::SchwarzBeyondCurves:
            return GridTr(QT_TRANSLATE_NOOP("GridText",
                                            "The depth %1 m is beyond Schwarz's deepest curve (%2 m)"))
                .arg(value, high);
        case grid::WarningCode::LayeredSoil:
            return GridTr(
                       QT_TRANSLATE_NOOP("GridText",
                                         "The formulas assume uniform soil: the %1-layer model is reduced to "
                                         "one resistivity"))
                .arg(value);
        case grid::WarningCode::DurationOutsideTable:
            return GridTr(QT_TRANSLATE_NOOP(
                              "GridText",
                              "The fault duration %1 s is outside EN 50522's table (0.05 s to 10 s): its "
                              "nearest end is used"))
                .arg(value);
    }
    return {};
}

QString ComputedReasonText(const electrode::ComputedReason& r, const QLocale& numbers) {
    using electrode::ComputedReasonCode;
    const QString computed = VoltsText(r.computed, numbers);
    const QString limit = VoltsText(r.limit, numbers);
    switch (r.code) {
        case ComputedReasonCode::GprBelowTouch:
            return GridTr(QT_TRANSLATE_NOOP(
                              "GridText",
                              "The ground potential rise %1 is below the tolerable touch voltage %2"))
                .arg(computed, limit);
        case ComputedReasonCode::TouchBelowTolerable:
        case ComputedReasonCode::TouchWithinPermissible:
            return GridTr(
                       QT_TRANSLATE_NOOP("GridText", "The largest touch voltage %1 is within its limit %2"))
                .arg(computed, limit);
        case ComputedReasonCode::TouchAboveTolerable:
        case ComputedReasonCode::TouchAbovePermissible:
            return GridTr(QT_TRANSLATE_NOOP("GridText", "The largest touch voltage %1 is above its limit %2"))
                .arg(computed, limit);
        case ComputedReasonCode::StepBelowTolerable:
            return GridTr(QT_TRANSLATE_NOOP("GridText", "The largest step voltage %1 is within its limit %2"))
                .arg(computed, limit);
        case ComputedReasonCode::StepAboveTolerable:
            return GridTr(QT_TRANSLATE_NOOP("GridText", "The largest step voltage %1 is above its limit %2"))
                .arg(computed, limit);
        case ComputedReasonCode::EprWithinTwicePermissible:
            return GridTr(
                       QT_TRANSLATE_NOOP(
                           "GridText",
                           "The earth potential rise %1 is at most twice the permissible touch voltage (%2)"))
                .arg(computed, limit);
    }
    return {};
}

}  // namespace terrovane::texts
