#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace terrovane::keyboard {

// A number a person typed into a field that holds one number: read with a decimal point under every
// locale, and with the locale's own decimal separator too where it is not the point ("2,5" under German).
// Group separators are never taken: "1,000" under English is refused rather than read as one or 1000, and
// so is "1.000" under German, where the point is the group separator: read as 1 it would be a thousand
// times smaller than meant. A point is taken there only where it cannot be grouping ("2.5", "0.125").
// Never for fields that hold two numbers (LAT,LON) or for files.
std::optional<double> ReadTypedNumber(const QString& typed, const QLocale& locale = QLocale());

// True where `typed` is refused only because its point could be the locale's group separator ("1.000" or
// "12.500" under German): the refusal says how to type it instead.
bool LooksGrouped(const QString& typed, const QLocale& locale = QLocale());

// A value as a window shows it: the locale's decimal separator, never a group separator (so that what is
// shown can be typed back), `decimals` digits after the separator.
QString ShownNumber(double value, int decimals, const QLocale& locale = QLocale());
// The same with at most `significant` significant digits and no trailing zeros ("3,8", "1e+06").
QString ShownSignificant(double value, int significant, const QLocale& locale = QLocale());

// A number written with a decimal point, as the instrument and the files write it ("4.87"), shown with the
// locale's separator ("4,87"), its digits as they are. Any other text ("AFE", a date, "> 300 kΩ") as it is.
QString ShownDecimal(const QString& written, const QLocale& locale = QLocale());

}  // namespace terrovane::keyboard
