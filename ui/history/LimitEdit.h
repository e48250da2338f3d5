#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <optional>

#include "NumberBox.h"
#include "SiteTypes.h"

namespace terrovane::history {

// A limit chosen from the presets or given as a custom value with its source. The first entry is "none"
// for a site, or the site's limit (named) for a test point.
class LimitEdit : public QWidget {
    Q_OBJECT

  public:
    LimitEdit(const std::optional<archive::Limit>& current, const QString& unsetText,
              QWidget* parent = nullptr);

    QComboBox& Choice() const { return *choice_; }
    QLineEdit& Ohms() const { return *ohms_; }
    QLineEdit& Source() const { return *source_; }
    // The chosen limit (nullopt for the first entry); false with what to change when the custom value is
    // not a number of ohms above 0.
    bool Value(std::optional<archive::Limit>& limit, QString& problem) const;

  private:
    void ShowCustom();

    QComboBox* choice_ = nullptr;
    QLineEdit* ohms_ = nullptr;
    QLineEdit* source_ = nullptr;
};

// A re-test interval in months, 1 to 600, or the first entry (`unsetText`: none, or the site's).
class IntervalEdit : public keyboard::WholeNumberBox {
    Q_OBJECT

  public:
    IntervalEdit(std::optional<int> current, const QString& unsetText, QWidget* parent = nullptr);
    std::optional<int> Months() const;
};

// "10 ohm (IEC 62305-3, ...)", the way the properties name a limit.
QString LimitText(const archive::Limit& limit);

}  // namespace terrovane::history
