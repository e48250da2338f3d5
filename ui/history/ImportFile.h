#pragma once

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>

#include <functional>

#include "ReadingImport.h"

namespace terrovane::history {

// The file being imported: its name and sheet at the top of the import dialog, and the rows last read
// from it.
class ImportFile {
  public:
    // The row of the file's name, its Choose... button and its sheet: a chosen file goes to `open`,
    // another sheet to `reload`.
    QHBoxLayout* Build(QDialog* dialog, std::function<void(const QString&)> open,
                       std::function<void()> reload);
    // Shows the file with its sheets (a workbook's); its rows are read by Load.
    void Show(const QString& path);
    // Rows read elsewhere, shown as those of a file of that name.
    void ShowRows(imports::SourceTable table, const QString& fileName);
    // The file's rows as the mapping reads them, from the sheet chosen.
    archive::Result<imports::SourceTable> Load(const imports::Mapping& mapping) const;
    void Keep(imports::SourceTable table) { table_ = std::move(table); }

    const imports::SourceTable& Table() const { return table_; }
    const QString& FileName() const { return fileName_; }
    // False for rows shown from elsewhere: there is no file to read again.
    bool FromFile() const { return !path_.isEmpty(); }
    std::string Sheet() const { return sheet_->currentText().toStdString(); }

  private:
    void Choose();

    QDialog* dialog_ = nullptr;
    std::function<void(const QString&)> open_;
    QLineEdit* file_ = nullptr;
    QComboBox* sheet_ = nullptr;
    QString path_;
    QString fileName_;
    imports::SourceTable table_;
};

}  // namespace terrovane::history
