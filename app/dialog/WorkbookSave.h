#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "ProgressSlot.h"
#include "ReadOutState.h"

namespace terrovane::app {

// File > Save: the read-out's records into a workbook file the user chooses.
class WorkbookSave {
  public:
    WorkbookSave(const record::ReadOutState& state, ui::ProgressSlot& progress, QWidget& owner);

    void Run();
    // Where the last Save wrote (or tried to write) its workbook.
    const QString& ExportPath() const { return exportPath_; }

    // Asks where Save writes the workbook; empty when the user cancels. Tests put their own path here.
    std::function<QString()> fileChooser;

  private:
    QString ChooseFile();
    void OpenProgress();

    const record::ReadOutState& state_;
    ui::ProgressSlot& progress_;
    QWidget& owner_;
    QString exportPath_;
};

}  // namespace terrovane::app
