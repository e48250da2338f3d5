#include "WorkbookSave.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>

#include <string>

#include "FileDialogSetup.h"
#include "HandoffFiles.h"
#include "MessageBox.h"
#include "MessageTexts.h"
#include "WorkbookExport.h"

namespace terrovane::app {
namespace {

constexpr const char* kSaveMessage =
    QT_TRANSLATE_NOOP("Progress", "\n Save data now，please wait for a minute...");
constexpr const char* kSaveFilter = "excel file(*.xls);;all file(*.*)";

}  // namespace

WorkbookSave::WorkbookSave(const record::ReadOutState& state, ui::ProgressSlot& progress, QWidget& owner)
    : state_(state), progress_(progress), owner_(owner) {}

QString WorkbookSave::ChooseFile() {
    QFileDialog dialog(&owner_);
    filedialog::KeepOutOfFileContents(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("xls"));
    dialog.setNameFilters(QString::fromUtf8(kSaveFilter).split(QStringLiteral(";;")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

void WorkbookSave::OpenProgress() {
    ui::ProgressSetup setup;
    setup.smooth = true;
    setup.text = QCoreApplication::translate("Progress", kSaveMessage);
    progress_.Open(setup);
}

void WorkbookSave::Run() {
    if (!state_.dataRead) {
        return platform::Alert(format::kNoDataReadFirst);
    }
    std::string error;
    if (!handoff::WriteRecordFile(state_.buffer, &error)) {
        // Only the print service reads data.inf: a broken hand-off folder must not keep the workbook from
        // being saved elsewhere.
        platform::Alert(QCoreApplication::translate("Messages", "Cannot write data.inf.").toStdString() +
                        "\n" + error);
    }
    const QString path = fileChooser ? fileChooser() : ChooseFile();
    if (path.isEmpty()) {
        return;
    }
    exportPath_ = path;
    OpenProgress();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    error = exporting::ExportRecords(state_.table, exportPath_.toStdString(),
                                     [this](int position) { progress_.SetPosWithoutPercent(position); });
    progress_.Close();
    QGuiApplication::restoreOverrideCursor();
    if (!error.empty()) {
        platform::Alert(error);
    }
}

}  // namespace terrovane::app
