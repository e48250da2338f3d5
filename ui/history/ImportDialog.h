#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>

#include "Archive.h"
#include "NumberBox.h"
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

    QComboBox& RoleOf(int column) const;
    QComboBox& UnitOf(int column) const;
    QLineEdit& DateFormat() const { return *dateFormat_; }
    QComboBox& Method() const { return *method_; }
    QPushButton& ImportButton() const { return *import_; }
    QLabel& Status() const { return *status_; }
    QTableWidget& Preview() const { return *preview_; }
    QTableWidget& RefusedRows() const { return *refused_; }

  private:
    void Choose();
    void Reload();
    void Import();
    void FillPreview();
    void ApplyMapping(const imports::Mapping& mapping);
    void GuessRoles();
    void UpdateState();
    QWidget* BuildOptions();
    QWidget* BuildReport();

    archive::Archive& archive_;
    QString path_;
    QString fileName_;
    imports::SourceTable table_;
    bool stored_ = false;
    QLineEdit* file_ = nullptr;
    QComboBox* sheet_ = nullptr;
    keyboard::WholeNumberBox* headerRow_ = nullptr;
    QLineEdit* dateFormat_ = nullptr;
    QLineEdit* timeFormat_ = nullptr;
    QComboBox* decimal_ = nullptr;
    QLineEdit* overRange_ = nullptr;
    QComboBox* method_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QTableWidget* preview_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* refused_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* import_ = nullptr;
};

// Opens the dialog over the archive; true when it stored anything (the window then shows it).
bool RunImportDialog(archive::Archive& archive, QWidget* parent);

}  // namespace terrovane::history
