#include "HistoryControls.h"

#include <QFileDialog>

#include <algorithm>

#include "ExportPath.h"
#include "FileDialogSetup.h"

namespace terrovane::history {

std::vector<int> SelectedRows(const HistoryControls& controls) {
    std::vector<int> rows;
    for (const QModelIndex& index : controls.view->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<archive::ResultRow> SelectedResults(const HistoryControls& controls) {
    std::vector<archive::ResultRow> rows;
    for (int row : SelectedRows(controls))
        if (const archive::ResultRow* result = controls.model->RowAt(row))
            rows.push_back(*result);
    return rows;
}

QString AskSaveFile(QWidget* parent, const QString& title, const QString& filters) {
    QFileDialog dialog(parent, title, {}, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    filedialog::KeepOutOfFileContents(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return WithExportExtension(dialog.selectedFiles().first(), dialog.selectedNameFilter());
}

}  // namespace terrovane::history
