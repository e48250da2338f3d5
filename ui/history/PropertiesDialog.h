#pragma once

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include <functional>
#include <optional>
#include <string>

#include "LimitEdit.h"
#include "SiteTypes.h"

namespace terrovane::history {

// What the properties dialogs share: a form, a line that says what to change, OK and Cancel. OK keeps
// the dialog open until the values are sound and `save` took them.
class PropertiesDialog : public QDialog {
    Q_OBJECT

  public:
    QLabel& Problem() const { return *problem_; }
    QLineEdit& Name() const { return *name_; }

  protected:
    PropertiesDialog(const QString& title, const std::string& name, QWidget* parent);
    // Adds the buttons under the rows the dialog added; call last.
    void Finish();
    // Reads the fields and saves them; false with what to change.
    virtual bool Save(QString& problem) = 0;
    QFormLayout* Form() const { return form_; }

  private:
    void TryAccept();

    QFormLayout* form_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLabel* problem_ = nullptr;
};

// A site's name, address, position, limit (a preset or a custom value with its source) and re-test
// interval.
class SitePropertiesDialog : public PropertiesDialog {
    Q_OBJECT

  public:
    SitePropertiesDialog(const archive::SiteFields& fields, QWidget* parent = nullptr);

    QLineEdit& Address() const { return *address_; }
    QLineEdit& Position() const { return *position_; }
    LimitEdit& Limit() const { return *limit_; }
    IntervalEdit& Interval() const { return *interval_; }
    const archive::SiteFields& Fields() const { return fields_; }

    // Keeps the fields (adds or updates the site); false with the archive's reason.
    std::function<bool(const archive::SiteFields& fields, std::string& error)> save;

  protected:
    bool Save(QString& problem) override;

  private:
    archive::SiteFields fields_;
    QLineEdit* address_ = nullptr;
    QLineEdit* position_ = nullptr;
    LimitEdit* limit_ = nullptr;
    IntervalEdit* interval_ = nullptr;
};

// A test point's name, kind, and its own limit and interval or its site's.
class PointPropertiesDialog : public PropertiesDialog {
    Q_OBJECT

  public:
    PointPropertiesDialog(const archive::PointFields& fields, const archive::SiteFields& site,
                          QWidget* parent = nullptr);

    QComboBox& Kind() const { return *kind_; }
    LimitEdit& Limit() const { return *limit_; }
    IntervalEdit& Interval() const { return *interval_; }
    const archive::PointFields& Fields() const { return fields_; }

    std::function<bool(const archive::PointFields& fields, std::string& error)> save;

  protected:
    bool Save(QString& problem) override;

  private:
    archive::PointFields fields_;
    QComboBox* kind_ = nullptr;
    LimitEdit* limit_ = nullptr;
    IntervalEdit* interval_ = nullptr;
};

}  // namespace terrovane::history
