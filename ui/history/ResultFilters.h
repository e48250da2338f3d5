#pragma once

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

#include "HistoryControls.h"

namespace terrovane::history {

// The archive window's filters above the list: measuring dates, mode and label. The list follows them,
// the tree's choice and the searched words together.
class ResultFilters {
  public:
    explicit ResultFilters(HistoryControls& controls) : controls_(controls) {}

    // The filters wrap onto further rows in a narrow window (a small screen, or a large scale) instead of
    // making it wider than the screen.
    void Build(QBoxLayout* layout);
    // The list (and the typed results' search) after a filter, the tree's choice or the words changed.
    void Apply();

    QCheckBox& SinceEnabled() const { return *sinceOn_; }
    QDateEdit& Since() const { return *since_; }
    QCheckBox& UntilEnabled() const { return *untilOn_; }
    QDateEdit& Until() const { return *until_; }
    QComboBox& ModeChoice() const { return *mode_; }
    QLineEdit& LabelFilter() const { return *label_; }

  private:
    HistoryControls& controls_;
    QCheckBox* sinceOn_ = nullptr;
    QDateEdit* since_ = nullptr;
    QCheckBox* untilOn_ = nullptr;
    QDateEdit* until_ = nullptr;
    QComboBox* mode_ = nullptr;
    QLineEdit* label_ = nullptr;
};

}  // namespace terrovane::history
