// The import dialog's file: its name, its sheet and the rows read from it.
#include "ImportFile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "FileDialogSetup.h"
#include "ImportDialog.h"
#include "XlsxSource.h"

namespace terrovane::history {

QHBoxLayout* ImportFile::Build(QDialog* dialog, std::function<void(const QString&)> open,
                               std::function<void()> reload) {
    dialog_ = dialog;
    open_ = std::move(open);
    auto* fileRow = new QHBoxLayout;
    file_ = new QLineEdit(dialog);
    file_->setReadOnly(true);
    file_->setPlaceholderText(ImportDialog::tr("A CSV file or an .xlsx workbook of readings"));
    auto* choose = new QPushButton(ImportDialog::tr("&Choose..."), dialog);
    QObject::connect(choose, &QPushButton::clicked, dialog, [this] { Choose(); });
    sheet_ = new QComboBox(dialog);
    sheet_->setEnabled(false);
    QObject::connect(sheet_, &QComboBox::activated, dialog, std::move(reload));
    auto* fileLabel = new QLabel(ImportDialog::tr("&File:"), dialog);
    fileLabel->setBuddy(file_);
    auto* sheetLabel = new QLabel(ImportDialog::tr("&Sheet:"), dialog);
    sheetLabel->setBuddy(sheet_);
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(choose);
    fileRow->addWidget(sheetLabel);
    fileRow->addWidget(sheet_);
    return fileRow;
}

void ImportFile::Choose() {
    QFileDialog dialog(
        dialog_, ImportDialog::tr("Import readings"), {},
        ImportDialog::tr("Readings (*.csv *.txt *.xlsx);;CSV files (*.csv *.txt);;Workbooks (*.xlsx)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    filedialog::KeepOutOfFileContents(dialog);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        open_(dialog.selectedFiles().front());
    }
}

void ImportFile::Show(const QString& path) {
    path_ = path;
    fileName_ = QFileInfo(path).fileName();
    file_->setText(path);
    sheet_->clear();
    sheet_->setEnabled(false);
    const std::string file = path.toStdString();
    if (imports::LooksLikeZip(file)) {
        const auto sheets = imports::XlsxSheets(file);
        for (const std::string& name : sheets ? sheets.Value() : std::vector<std::string>()) {
            sheet_->addItem(QString::fromStdString(name));
        }
        sheet_->setEnabled(sheet_->count() > 1);
    }
}

void ImportFile::ShowRows(imports::SourceTable table, const QString& fileName) {
    path_.clear();
    fileName_ = fileName;
    file_->setText(fileName);
    table_ = std::move(table);
}

archive::Result<imports::SourceTable> ImportFile::Load(const imports::Mapping& mapping) const {
    return imports::LoadTable(path_.toStdString(), mapping, Sheet());
}

}  // namespace terrovane::history
