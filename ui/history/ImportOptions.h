#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <functional>

#include "NumberBox.h"
#include "ReadingImport.h"

namespace terrovane::history {

// How the import dialog reads the file's cells: its header row, the date and time formats, the decimal
// mark, the over-range mark and the method of readings without a column for it.
class ImportOptions {
  public:
    // The options in two columns; a change of the header row or the decimal mark goes to `reload`.
    QWidget* Build(QWidget* dialog, const std::function<void()>& reload);
    // The options a remembered mapping was made with.
    void Apply(const imports::Mapping& mapping);
    // The mapping's options as chosen.
    void Fill(imports::Mapping& mapping) const;

    int HeaderRow() const { return headerRow_->value(); }
    QLineEdit& DateFormat() const { return *dateFormat_; }
    QComboBox& Method() const { return *method_; }

  private:
    keyboard::WholeNumberBox* headerRow_ = nullptr;
    QLineEdit* dateFormat_ = nullptr;
    QLineEdit* timeFormat_ = nullptr;
    QComboBox* decimal_ = nullptr;
    QLineEdit* overRange_ = nullptr;
    QComboBox* method_ = nullptr;
};

}  // namespace terrovane::history
