// The Save command: the read-out's records into a workbook file the user chooses.
#include <QFileDialog>
#include <QGuiApplication>

#include <string>

#include "CTesterDlg.h"
#include "HandoffFiles.h"
#include "InstrumentLink.h"
#include "MessageBox.h"
#include "MessageTexts.h"
#include "WorkbookExport.h"

namespace terrovane::app {
namespace {

constexpr const char* kSaveMessage = "\n Save data now，please wait for a minute...";
constexpr const char* kSaveFilter = "excel file(*.xls);;all file(*.*)";

}  // namespace

QString CTesterDlg::ChooseSaveFile() {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("xls"));
    dialog.setNameFilters(QString::fromUtf8(kSaveFilter).split(QStringLiteral(";;")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

void CTesterDlg::OpenSaveProgress() {
    auto progress = std::make_unique<ui::ProgressWindow>(this, QStringLiteral("Progress"), true);
    progress->GoModal(QStringLiteral("Progress"), true);
    progress->SetRange(0, 100, 1);
    progress->SetText(QString::fromUtf8(kSaveMessage));
    // The pump lets the port watch tick, and a tick that finds no instrument closes the active progress
    // window: the window joins activeProgress only after its own pump has returned.
    progress->PeekAndPump(true);
    activeProgress = std::move(progress);
}

void CTesterDlg::ExportWorkbook() {
    if (!link_->dataRead) {
        return platform::Alert(format::kNoDataReadFirst);
    }
    std::string error;
    if (!handoff::WriteRecordFile(*readOutBuffer, &error)) {
        // Only the print service reads data.inf: a broken hand-off folder must not keep the workbook from
        // being saved elsewhere.
        platform::Alert("Cannot write data.inf.\n" + error);
    }
    const QString path = saveFileChooser ? saveFileChooser() : ChooseSaveFile();
    if (path.isEmpty()) {
        return;
    }
    exportPath = path;
    OpenSaveProgress();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    error = exporting::ExportRecords(recordTable, exportPath.toStdString(), [this](int position) {
        if (activeProgress) {
            activeProgress->SetPosWithoutPercent(position);
        }
    });
    CloseActiveProgress();
    QGuiApplication::restoreOverrideCursor();
    if (!error.empty()) {
        platform::Alert(error);
    }
}

}  // namespace terrovane::app
