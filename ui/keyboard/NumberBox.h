#pragma once

#include <QDoubleSpinBox>
#include <QSpinBox>

namespace terrovane::keyboard {

// The one way to type a number into a window. Both boxes read what is typed with the locale's decimal
// separator (a decimal point is taken too, where it cannot be a group separator) and never take a group
// separator: a spin box of Qt's own would read "65,5" as 655 under a locale whose comma groups digits.
// Any other text may be typed, and is refused once editing ends: the box keeps its previous value and
// says why, naming the field by its label. Shown values use the locale's separator and no grouping.
class NumberBox : public QDoubleSpinBox {
    Q_OBJECT

  public:
    explicit NumberBox(QWidget* parent = nullptr);

    // The last refusal's text, empty until the field refuses something and again once the user types anew.
    QString Refusal() const { return refusal_; }

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    double valueFromText(const QString& text) const override;
    QString textFromValue(double value) const override;

  private:
    mutable QString refusal_;
};

// A whole number: digits only, with an optional sign; anything else is refused as NumberBox refuses it.
class WholeNumberBox : public QSpinBox {
    Q_OBJECT

  public:
    explicit WholeNumberBox(QWidget* parent = nullptr);

    QString Refusal() const { return refusal_; }

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;

  private:
    mutable QString refusal_;
};

// The name a person knows a field by: its accessible name, else the text of the label that names it
// (the label whose buddy it is), without the mnemonic's "&" and a closing colon.
QString FieldName(const QWidget& field);

}  // namespace terrovane::keyboard
