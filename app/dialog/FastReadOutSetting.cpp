#include "FastReadOutSetting.h"

#include <QSettings>

namespace terrovane::app {
namespace {

const QString kKey = QStringLiteral("Link/FastReadOut");

}  // namespace

bool FastReadOutIn(const QSettings& settings) {
    return settings.value(kKey, false).toBool();
}

void SetFastReadOutIn(QSettings& settings, bool fast) {
    settings.setValue(kKey, fast);
}

}  // namespace terrovane::app
