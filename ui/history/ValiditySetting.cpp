#include "ValiditySetting.h"

#include <QSettings>

namespace terrovane::history {

archive::ValidityThresholds ValiditySettings() {
    const QSettings settings;
    archive::ValidityThresholds thresholds;
    bool ok = false;
    const double volts = settings.value(QStringLiteral("Validity/JammingVoltage")).toDouble(&ok);
    if (ok && volts > 0) {
        thresholds.jammingVolts = volts;
    }
    const double ohms = settings.value(QStringLiteral("Validity/AuxiliaryResistance")).toDouble(&ok);
    if (ok && ohms > 0) {
        thresholds.auxiliaryOhms = ohms;
    }
    return thresholds;
}

}  // namespace terrovane::history
