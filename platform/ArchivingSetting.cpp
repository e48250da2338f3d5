#include "ArchivingSetting.h"

#include <QSettings>

namespace terrovane::platform {
namespace {

const QString kKey = QStringLiteral("Archive/Enabled");

}  // namespace

bool ArchivingEnabledIn(const QSettings& settings) {
    return settings.value(kKey, true).toBool();
}

void SetArchivingEnabledIn(QSettings& settings, bool enabled) {
    settings.setValue(kKey, enabled);
}

}  // namespace terrovane::platform
