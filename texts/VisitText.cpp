#include "VisitText.h"

#include <QCoreApplication>

namespace terrovane::texts {

QString SoilConditionText(archive::SoilCondition soil) {
    switch (soil) {
        case archive::SoilCondition::Dry:
            return QCoreApplication::translate("Visits", "dry");
        case archive::SoilCondition::Moist:
            return QCoreApplication::translate("Visits", "moist");
        case archive::SoilCondition::Wet:
            return QCoreApplication::translate("Visits", "wet");
        case archive::SoilCondition::Frozen:
            return QCoreApplication::translate("Visits", "frozen");
        case archive::SoilCondition::Unknown:
            break;
    }
    return {};
}

QString CalibrationPastText(const archive::VisitInstrument& instrument) {
    const QString name =
        QString::fromStdString(instrument.name.empty() ? instrument.serial : instrument.name);
    const QString due = QString::fromStdString(instrument.calibrationDue);
    if (instrument.serial.empty() || instrument.name.empty()) {
        return QCoreApplication::translate("Visits", "The calibration of %1 was due on %2, before the visit.")
            .arg(name, due);
    }
    return QCoreApplication::translate("Visits",
                                       "The calibration of %1 (serial %2) was due on %3, before the visit.")
        .arg(name, QString::fromStdString(instrument.serial), due);
}

}  // namespace terrovane::texts
