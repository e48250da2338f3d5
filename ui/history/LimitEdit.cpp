#include "LimitEdit.h"

#include <QHBoxLayout>

#include <cmath>

#include "Limits.h"
#include "TypedNumber.h"

namespace terrovane::history {
namespace {

constexpr int kUnset = -1;
constexpr int kCustom = -2;

}  // namespace

QString LimitText(const archive::Limit& limit) {
    return LimitEdit::tr("%1 ohm (%2)")
        .arg(keyboard::ShownSignificant(limit.ohms, 6), QString::fromStdString(limit.source));
}

LimitEdit::LimitEdit(const std::optional<archive::Limit>& current, const QString& unsetText, QWidget* parent)
    : QWidget(parent) {
    choice_ = new QComboBox(this);
    choice_->addItem(unsetText, kUnset);
    const auto& presets = archive::LimitPresets();
    int chosen = 0;
    for (std::size_t i = 0; i < presets.size(); ++i) {
        const archive::LimitPreset& preset = presets[i];
        choice_->addItem(QStringLiteral("%1: %2").arg(QString::fromLatin1(preset.name),
                                                      LimitText({preset.ohms, preset.source})),
                         static_cast<int>(i));
        if (current && current->ohms == preset.ohms && current->source == preset.source) {
            chosen = choice_->count() - 1;
        }
    }
    choice_->addItem(tr("Custom value"), kCustom);
    ohms_ = new QLineEdit(this);
    ohms_->setPlaceholderText(tr("ohm"));
    source_ = new QLineEdit(this);
    source_->setPlaceholderText(tr("where the value comes from"));
    // Wide enough to read its hint whole, in every language.
    source_->setMinimumWidth(source_->fontMetrics().horizontalAdvance(source_->placeholderText()) + 16);
    if (current && chosen == 0) {
        chosen = choice_->count() - 1;
        ohms_->setText(keyboard::ShownSignificant(current->ohms, 10));
        source_->setText(QString::fromStdString(current->source));
    }
    choice_->setCurrentIndex(chosen);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(choice_, 3);
    layout->addWidget(ohms_, 1);
    layout->addWidget(source_, 2);
    connect(choice_, &QComboBox::currentIndexChanged, this, &LimitEdit::ShowCustom);
    ShowCustom();
}

void LimitEdit::ShowCustom() {
    const bool custom = choice_->currentData().toInt() == kCustom;
    ohms_->setEnabled(custom);
    source_->setEnabled(custom);
}

bool LimitEdit::Value(std::optional<archive::Limit>& limit, QString& problem) const {
    const int chosen = choice_->currentData().toInt();
    if (chosen == kUnset) {
        limit.reset();
        return true;
    }
    if (chosen >= 0) {
        const archive::LimitPreset& preset = archive::LimitPresets()[static_cast<std::size_t>(chosen)];
        limit = archive::Limit{preset.ohms, preset.source};
        return true;
    }
    const QString typed = ohms_->text().trimmed();
    const std::optional<double> ohms = keyboard::ReadTypedNumber(typed);
    if (!ohms || !(*ohms > 0) || !std::isfinite(*ohms)) {
        problem = keyboard::LooksGrouped(typed)
                      ? tr("Custom limit: \"%1\" has a thousands separator; type the number of ohms without "
                           "it, such as %2.")
                            .arg(typed, keyboard::ShownSignificant(7.5, 2))
                      : tr("Custom limit: enter a number of ohms above 0, such as %1.")
                            .arg(keyboard::ShownSignificant(7.5, 2));
        return false;
    }
    const QString source = source_->text().trimmed();
    limit = archive::Limit{*ohms, source.isEmpty() ? std::string("custom value") : source.toStdString()};
    return true;
}

IntervalEdit::IntervalEdit(std::optional<int> current, const QString& unsetText, QWidget* parent)
    : keyboard::WholeNumberBox(parent) {
    setRange(0, 600);
    setSpecialValueText(unsetText);
    setSuffix(tr(" months"));
    setValue(current.value_or(0));
}

std::optional<int> IntervalEdit::Months() const {
    return value() == 0 ? std::nullopt : std::optional(value());
}

}  // namespace terrovane::history
