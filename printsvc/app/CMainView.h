#pragma once

#include <QPrinter>
#include <QWidget>

#include "CInfoSetDlg.h"
#include "ReportPages.h"
#include "ViewTimers.h"

class QPushButton;

namespace terrovane::printsvc {

// The print service's form: "Print" and "Preview" buttons over the records handed over in data.inf.
// It asks for the header texts, opens the preview by itself and ends the program once the preview is
// closed or a print job has been spooled.
class CMainView : public QWidget {
    Q_OBJECT
  public:
    enum TimerId : int { kStartPreview = 1, kAfterPrinting = 2002, kWatchPrintDialog = 2005, kIdle = 2008 };
    enum PrintState : int { kNoPrintCommand = 0, kPrintCommandRunning = 1, kPrintCommandReturned = 2 };

    explicit CMainView(QWidget* parent = nullptr);
    ~CMainView() override;

    // Sizes the frame to the form the first time, asks for the header texts, schedules the preview.
    void OnInitialUpdate();
    // The frame as large as the form, or as the screen's free area where the form is larger.
    void SizeFrameToForm();

    void OnPrint();    // the print command: printer dialog, then the job
    void OnPreview();  // the print preview
    void OnTimer(int id);

    // The one printer of the program: Print Setup, the printer dialog, the preview and the job all use it.
    QPrinter& Printer() { return printer_; }

    int PrintStateValue() const { return printState; }
    int PageCount() const { return pages_.Count(); }
    const CInfoSetDlg& InfoDialog() const { return infoDialog; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void PaintPages(QPrinter* printer, bool wholeReport);
    void OnEndPrinting();
    [[noreturn]] static void ExitProcess();

    CInfoSetDlg infoDialog;
    int printState = kNoPrintCommand;
    ReportPages pages_;
    QPrinter printer_;
    ViewTimers timers_;
    QPushButton* printButton_ = nullptr;
    QPushButton* previewButton_ = nullptr;
};

// True while a printer dialog of this program is on screen.
bool PrintDialogShown();

}  // namespace terrovane::printsvc
