#include "TypedNumber.h"

#include <QRegularExpression>

#include "Numbers.h"

namespace terrovane::keyboard {
namespace {

QLocale WithoutGrouping(QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

}  // namespace

bool LooksGrouped(const QString& typed, const QLocale& locale) {
    if (locale.groupSeparator() != QLatin1String("."))
        return false;
    // Digits, one point, exactly three digits: what a thousand looks like grouped. A leading 0 is no group.
    static const QRegularExpression grouped(QStringLiteral("^[+-]?[1-9][0-9]{0,2}(\\.[0-9]{3})+$"));
    return grouped.match(typed.trimmed()).hasMatch();
}

std::optional<double> ReadTypedNumber(const QString& typed, const QLocale& locale) {
    const QString text = typed.trimmed();
    if (LooksGrouped(text, locale))
        return std::nullopt;
    if (const auto number = numbers::ParseDecimal(text.toStdString()))
        return number;
    const QString separator = locale.decimalPoint();
    if (separator == QLatin1String(".") || text.contains(QLatin1Char('.')) || text.count(separator) != 1)
        return std::nullopt;
    QString pointed = text;
    pointed.replace(separator, QStringLiteral("."));
    return numbers::ParseDecimal(pointed.toStdString());
}

QString ShownNumber(double value, int decimals, const QLocale& locale) {
    return WithoutGrouping(locale).toString(value, 'f', decimals);
}

QString ShownDecimal(const QString& written, const QLocale& locale) {
    if (!written.contains(QLatin1Char('.')) || !numbers::ParseDecimal(written.toStdString()))
        return written;
    QString shown = written;
    return shown.replace(QLatin1Char('.'), locale.decimalPoint());
}

QString ShownSignificant(double value, int significant, const QLocale& locale) {
    return WithoutGrouping(locale).toString(value, 'g', significant);
}

}  // namespace terrovane::keyboard
