#include "ShownNumber.h"

#include "Numbers.h"

namespace terrovane::texts {
namespace {

QLocale Ungrouped(const QLocale& locale) {
    QLocale ungrouped = locale;
    ungrouped.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return ungrouped;
}

bool Plain(const QLocale& locale) {
    return locale.decimalPoint() == QLatin1String(".");
}

}  // namespace

QString ShownFixed(double value, int decimals, const QLocale& locale) {
    return Plain(locale) ? QString::fromStdString(numbers::Fixed(value, decimals))
                         : Ungrouped(locale).toString(value, 'f', decimals);
}

QString ShownSignificant(double value, int significant, const QLocale& locale) {
    return Plain(locale) ? QString::fromStdString(numbers::General(value, significant))
                         : Ungrouped(locale).toString(value, 'g', significant);
}

}  // namespace terrovane::texts
