#pragma once

#include <QLocale>
#include <QString>

namespace terrovane::texts {

// A number as a sentence shows it, never grouped: in the C locale (the command line, files) exactly as the
// numbers module writes it; in another the locale's decimal separator (the windows).
QString ShownFixed(double value, int decimals, const QLocale& locale = QLocale::c());
QString ShownSignificant(double value, int significant, const QLocale& locale = QLocale::c());

}  // namespace terrovane::texts
