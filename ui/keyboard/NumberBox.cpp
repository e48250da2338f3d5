#include "NumberBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolTip>

#include <algorithm>
#include <optional>

#include "Numbers.h"
#include "TypedNumber.h"

namespace terrovane::keyboard {
namespace {

// The typed number without the box's prefix and suffix.
QString Bare(const QString& prefix, const QString& suffix, QString text) {
    text = text.trimmed();
    if (!prefix.isEmpty() && text.startsWith(prefix.trimmed()))
        text.remove(0, prefix.trimmed().size());
    if (!suffix.isEmpty() && text.endsWith(suffix.trimmed()))
        text.chop(suffix.trimmed().size());
    return text.trimmed();
}

bool IsSpecial(const QAbstractSpinBox& box, const QString& input) {
    return !box.specialValueText().isEmpty() && input == box.specialValueText();
}

// Said once editing has ended on a text the box did not take, beside the field and to a screen reader, and
// kept for whoever asks until the field takes a value again.
void Refuse(QAbstractSpinBox& box, QString& kept, const QString& message) {
    kept = message;
    box.setAccessibleDescription(message);
    // Shown from the event loop: fixup runs in the middle of the box's own handling of the event.
    QMetaObject::invokeMethod(
        &box,
        [target = &box, message] {
            if (target->isVisible())
                QToolTip::showText(target->mapToGlobal(QPoint(0, target->height())), message, target);
        },
        Qt::QueuedConnection);
}

void Forget(QAbstractSpinBox& box, QString& kept) {
    if (kept.isEmpty())
        return;
    kept.clear();
    box.setAccessibleDescription(QString());
}

QString RefusalText(const QWidget& field, const QString& typed, const QString& example, const QString& low,
                    const QString& high, bool inRangeProblem, bool grouped) {
    const QString name = FieldName(field);
    if (typed.isEmpty())
        return QCoreApplication::translate("NumberBox", "%1: type a number, such as %2.").arg(name, example);
    if (inRangeProblem)
        return QCoreApplication::translate("NumberBox", "%1: %2 is outside %3 to %4.")
            .arg(name, typed, low, high);
    if (grouped)
        return QCoreApplication::translate(
                   "NumberBox",
                   "%1: \"%2\" has a thousands separator; type the number without it, such as %3.")
            .arg(name, typed, example);
    return QCoreApplication::translate("NumberBox", "%1: \"%2\" is not a number; type one such as %3.")
        .arg(name, typed, example);
}

}  // namespace

QString FieldName(const QWidget& field) {
    if (!field.accessibleName().isEmpty())
        return field.accessibleName();
    for (const QLabel* label : field.window()->findChildren<QLabel*>()) {
        if (label->buddy() != &field)
            continue;
        QString text = label->text();
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        text = text.trimmed();
        if (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A)))
            text.chop(1);
        return text.trimmed();
    }
    return QCoreApplication::translate("NumberBox", "This field");
}

NumberBox::NumberBox(QWidget* parent) : QDoubleSpinBox(parent) {
    // Taken when editing ends, not on every key: "65" on the way to "65,5x" must not become the value a
    // refusal falls back to.
    setKeyboardTracking(false);
    // A refusal holds until the user types again; the box's own putting back of its value is no typing.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { Forget(*this, refusal_); });
}

QValidator::State NumberBox::validate(QString& input, int&) const {
    if (IsSpecial(*this, input))
        return QValidator::Acceptable;
    const auto number = ReadTypedNumber(Bare(prefix(), suffix(), input), locale());
    if (!number || *number < minimum() || *number > maximum())
        return QValidator::Intermediate;
    return QValidator::Acceptable;
}

void NumberBox::fixup(QString& input) const {
    const QString typed = Bare(prefix(), suffix(), input);
    const auto number = ReadTypedNumber(typed, locale());
    const QString message =
        RefusalText(*this, typed, textFromValue(2.5), textFromValue(minimum()), textFromValue(maximum()),
                    number.has_value(), LooksGrouped(typed, locale()));
    Refuse(*const_cast<NumberBox*>(this), refusal_, message);
}

double NumberBox::valueFromText(const QString& text) const {
    if (IsSpecial(*this, text))
        return minimum();
    return ReadTypedNumber(Bare(prefix(), suffix(), text), locale()).value_or(value());
}

QString NumberBox::textFromValue(double value) const {
    return ShownNumber(value, decimals(), locale());
}

WholeNumberBox::WholeNumberBox(QWidget* parent) : QSpinBox(parent) {
    setKeyboardTracking(false);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { Forget(*this, refusal_); });
}

namespace {

std::optional<long long> ReadWhole(const QString& typed) {
    return numbers::ParseInteger(typed.toStdString());
}

}  // namespace

QValidator::State WholeNumberBox::validate(QString& input, int&) const {
    if (IsSpecial(*this, input))
        return QValidator::Acceptable;
    const auto number = ReadWhole(Bare(prefix(), suffix(), input));
    if (!number || *number < minimum() || *number > maximum())
        return QValidator::Intermediate;
    return QValidator::Acceptable;
}

void WholeNumberBox::fixup(QString& input) const {
    const QString typed = Bare(prefix(), suffix(), input);
    const QString example = QString::number(std::clamp(12, minimum(), maximum()));
    const QString message = RefusalText(*this, typed, example, textFromValue(minimum()),
                                        textFromValue(maximum()), ReadWhole(typed).has_value(), false);
    Refuse(*const_cast<WholeNumberBox*>(this), refusal_, message);
}

int WholeNumberBox::valueFromText(const QString& text) const {
    if (IsSpecial(*this, text))
        return minimum();
    const auto number = ReadWhole(Bare(prefix(), suffix(), text));
    return number ? static_cast<int>(*number) : value();
}

QString WholeNumberBox::textFromValue(int value) const {
    return QString::number(value);
}

}  // namespace terrovane::keyboard
