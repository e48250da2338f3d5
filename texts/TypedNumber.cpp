#include "TypedNumber.h"

#include "Numbers.h"

namespace terrovane::texts {

std::optional<double> ReadTypedNumber(const QString& typed, const QLocale& locale) {
    const QString text = typed.trimmed();
    if (const auto number = numbers::ParseDecimal(text.toStdString()))
        return number;
    const QString separator = locale.decimalPoint();
    if (separator == QLatin1String(".") || text.contains(QLatin1Char('.')) || text.count(separator) != 1)
        return std::nullopt;
    QString pointed = text;
    pointed.replace(separator, QStringLiteral("."));
    return numbers::ParseDecimal(pointed.toStdString());
}

}  // namespace terrovane::texts
