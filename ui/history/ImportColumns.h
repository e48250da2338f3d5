#pragma once

#include <QComboBox>
#include <QTableWidget>

#include <functional>

#include "ReadingImport.h"

namespace terrovane::history {

// The import dialog's preview of the file's first rows, with what each column holds and the unit of a
// value column chosen above it.
class ImportColumns {
  public:
    // The preview; a change of what a column holds goes to `changed`.
    QTableWidget* Build(QWidget* dialog, std::function<void()> changed);
    // The rows after the header row, under a choice of role and unit for each column.
    void Fill(const imports::SourceTable& table, int headerRow);
    // What each column holds as its header's words suggest.
    void GuessRoles();
    // The columns a remembered mapping found in the file.
    void Apply(const imports::Mapping& mapping, const imports::ColumnIndex& index);
    // Fills the mapping's columns from the choices; what must still be chosen before it can be used.
    QString Map(imports::Mapping& mapping, const std::vector<std::string>& header) const;
    // A unit is asked only of a column of values.
    void EnableUnits();

    QComboBox& RoleOf(int column) const;
    QComboBox& UnitOf(int column) const;
    QTableWidget& Table() const { return *preview_; }
    int Count() const { return preview_ == nullptr ? 0 : preview_->columnCount(); }

  private:
    QWidget* dialog_ = nullptr;
    std::function<void()> changed_;
    QTableWidget* preview_ = nullptr;
};

}  // namespace terrovane::history
