#include "ArchiveSetting.h"

#include <QSettings>

#include "ArchivingSetting.h"

namespace terrovane::history {

bool ArchivingEnabled() {
    return platform::ArchivingEnabledIn(QSettings());
}

void SetArchivingEnabled(bool enabled) {
    QSettings settings;
    platform::SetArchivingEnabledIn(settings, enabled);
}

}  // namespace terrovane::history
