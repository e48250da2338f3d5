#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace terrovane::texts {

// A number a person typed into a field that holds one number: read with a decimal point under every
// locale, and with the locale's own decimal separator too where it is not the point ("2,5" under German).
// Group separators are never taken: "1,000" under English is refused rather than read as one or 1000.
// Never for fields that hold two numbers (LAT,LON) or for files.
std::optional<double> ReadTypedNumber(const QString& typed, const QLocale& locale = QLocale());

}  // namespace terrovane::texts
