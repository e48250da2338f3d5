#include "ArchiveSetting.h"

#include <QSettings>

namespace terrovane::history {
namespace {

const QString kKey = QStringLiteral("Archive/Enabled");

}  // namespace

bool ArchivingEnabled() {
    return QSettings().value(kKey, true).toBool();
}

void SetArchivingEnabled(bool enabled) {
    QSettings().setValue(kKey, enabled);
}

}  // namespace terrovane::history
