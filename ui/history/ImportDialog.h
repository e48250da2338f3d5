#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

#include "Archive.h"
#include "ImportColumns.h"
#include "ImportFile.h"
#include "ImportOptions.h"
#include "ImportSummary.h"
#include "ReadingImport.h"

namespace terrovane::history {

// Archive › Import...: another tester's CSV file or workbook, a preview of its first rows with what each
// column holds chosen above it (the mapping remembered for the file's header row, else a guess from its
// names), and after the import how many rows were taken and which were refused, with their lines and
// reasons.
class ImportDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ImportDialog(archive::Archive& archive, QWidget* parent = nullptr);

    // Reads the file and shows its first rows; false after saying in the dialog why it cannot.
    bool OpenFile(const QString& path);
    // Shows rows read elsewhere as those of a file of that name (the window samples' way in).
    void ShowTable(imports::SourceTable table, const QString& fileName);
    void ShowReport(const imports::ImportReport& report);

    // The mapping the choices make; the reason it cannot be used yet when it is incomplete.
    imports::Mapping ChosenMapping(QString& incomplete) const;
    // True once an import stored at least one result.
    bool Stored() const { return stored_; }

    const ImportColumns& Columns() const { return columns_; }
    const ImportOptions& Options() const { return options_; }
    const ImportSummary& Summary() const { return summary_; }
    QPushButton& ImportButton() const { return *import_; }
    QLabel& Status() const { return *status_; }

  private:
    void Reload();
    void Import();
    void FillPreview();
    void ApplyMapping(const imports::Mapping& mapping);
    void UpdateState();

    archive::Archive& archive_;
    bool stored_ = false;
    ImportFile file_;
    ImportOptions options_;
    ImportColumns columns_;
    ImportSummary summary_;
    QStackedWidget* pages_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* import_ = nullptr;
};

// Opens the dialog over the archive; true when it stored anything (the window then shows it).
bool RunImportDialog(archive::Archive& archive, QWidget* parent);

}  // namespace terrovane::history
