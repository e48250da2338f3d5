#include "SyncTexts.h"

#include <QCoreApplication>
#include <QLocale>

namespace terrovane::teamui {

QString SyncTimeText(const QDateTime& when) {
    if (!when.isValid()) {
        return QCoreApplication::translate("SyncStatus", "never");
    }
    return QLocale().toString(when.toLocalTime(), QLocale::ShortFormat);
}

}  // namespace terrovane::teamui
