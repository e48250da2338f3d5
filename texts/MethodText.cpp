#include "MethodText.h"

#include <QCoreApplication>

#include "ResultsOutput.h"
#include "TypedMethodText.h"

namespace terrovane::texts {
namespace {

QString MethodTr(const char* text) {
    return QCoreApplication::translate("MethodTexts", text);
}

QString MethodNumber(double value) {
    return QString::fromStdString(archive::NumberText(value));
}

QString MethodProbes(const archive::ResultMethod& method) {
    if (!method.currentProbe && !method.potentialProbe) {
        return MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "probe distances not recorded"));
    }
    const QString unknown = MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "not recorded"));
    const auto metres = [&](const std::optional<double>& distance) {
        return distance ? MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "%1 m")).arg(MethodNumber(*distance))
                        : unknown;
    };
    return MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "probes: current %1, potential %2"))
        .arg(metres(method.currentProbe), metres(method.potentialProbe));
}

QString MethodFrequency(const archive::ResultMethod& method) {
    return method.frequency.empty()
               ? MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "test frequency not recorded"))
               : MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "test frequency %1"))
                     .arg(QString::fromStdString(method.frequency));
}

// "1.2 kΩ" or "> 300 kΩ": the value alone, its name being in the sentence.
QString MethodOhms(const archive::TypedValue& value) {
    const std::string text = archive::TypedValueText(value);
    const std::size_t mark = text.find_first_of("=>");
    const std::string shown = text.substr(mark + 1);
    return QString::fromStdString(value.overRange ? "> " + shown : shown);
}

QString MethodAuxiliary(const archive::ResultMethod& method) {
    if (!method.rs && !method.rh) {
        return MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "Rs and Rh not recorded"));
    }
    const QString unknown = MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "not recorded"));
    const QString rs = method.rs ? QString::fromStdString(method.rsShown) : unknown;
    const QString rh = method.rh ? QString::fromStdString(method.rhShown) : unknown;
    const QString limit = MethodOhms(archive::TypedValue{"R", method.auxiliaryLimit, false});
    if (archive::AuxiliaryAbove(method)) {
        return MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "Rs %1, Rh %2: doubtful, above %3"))
            .arg(rs, rh, limit);
    }
    if (!method.rs || !method.rh) {
        return MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "Rs %1, Rh %2: not judged, one is missing"))
            .arg(rs, rh);
    }
    return MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "Rs %1, Rh %2: valid, both at most %3"))
        .arg(rs, rh, limit);
}

}  // namespace

QString MethodText(const archive::ResultMethod& method) {
    const QString name = method.method.empty()
                             ? MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "method not recorded"))
                             : TypedMethodText(method.method);
    if (!method.earthResistance) {
        return name;
    }
    return QStringList{name, MethodProbes(method), MethodFrequency(method), MethodAuxiliary(method)}.join(
        QStringLiteral("; "));
}

QString VisitConditionsText(const archive::Visit& visit) {
    const QString unknown = MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "not recorded"));
    const QString weather = visit.weather.empty() ? unknown : QString::fromStdString(visit.weather);
    const QString air =
        visit.airTemperature
            ? MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "%1 °C")).arg(MethodNumber(*visit.airTemperature))
            : unknown;
    return MethodTr(QT_TRANSLATE_NOOP("MethodTexts", "Visit of %1: weather %2; air %3; soil %4"))
        .arg(QString::fromStdString(visit.date), weather, air,
             visit.soil == archive::SoilCondition::Unknown ? unknown : SoilConditionText(visit.soil));
}

}  // namespace terrovane::texts
