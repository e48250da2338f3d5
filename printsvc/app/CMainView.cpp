#include "CMainView.h"

#include <QApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>

#include "ReportPage.h"
#include "ReportPdf.h"
#include "ScreenFit.h"
#include "TestHooks.h"

namespace terrovane::printsvc {
namespace {

bool firstUpdate = true;

}  // namespace

bool PrintDialogShown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && qobject_cast<QPrintDialog*>(widget) != nullptr)
            return true;
    }
    return false;
}

CMainView::CMainView(QWidget* parent)
    : QWidget(parent), printer_(QPrinter::HighResolution), timers_([this](int id) { OnTimer(id); }, this) {
    report::SetReportPaper(printer_);

    printButton_ = new QPushButton(tr("Print"));
    previewButton_ = new QPushButton(tr("Preview"));
    previewButton_->setEnabled(false);  // nothing enables it: the preview opens by itself
    connect(printButton_, &QPushButton::clicked, this, &CMainView::OnPrint);
    connect(previewButton_, &QPushButton::clicked, this, &CMainView::OnPreview);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Print service")), 0, Qt::AlignCenter);
    layout->addWidget(printButton_, 0, Qt::AlignCenter);
    layout->addWidget(previewButton_, 0, Qt::AlignCenter);
    setMinimumSize(260, 140);
}

CMainView::~CMainView() = default;

void CMainView::SizeFrameToForm() {
    QWidget* frame = window();
    const QRect screen = frame->screen()->availableGeometry();
    if (frame->width() > width() || frame->height() < height()) {
        frame->setGeometry(screen);
    }
    frame->adjustSize();  // only ever shrinks to the form
    // A form larger than the screen keeps its top-left corner, and the menu with it, on the screen.
    screenfit::MoveOnScreen(frame, screen.center() - frame->rect().center());
}

void CMainView::OnInitialUpdate() {
    if (firstUpdate) {
        firstUpdate = false;
        SizeFrameToForm();
    }
    ArmHeaderDialogHook(infoDialog);
    infoDialog.exec();  // OK or Cancel, the preview follows
    timers_.Start(kStartPreview, 100);
}

void CMainView::paintEvent(QPaintEvent* event) {
    window()->setWindowTitle(tr("打印服务程序"));
    QWidget::paintEvent(event);
}

void CMainView::OnPrint() {
    printState = kPrintCommandRunning;
    QPrintDialog dialog(&printer_, this);
    dialog.setWindowTitle(tr("打印"));
    dialog.setMinMax(1, std::max(1, pages_.Count()));
    dialog.setFromTo(1, std::max(1, pages_.Count()));
    if (dialog.exec() == QDialog::Accepted) {
        if (pages_.Count() > 0)
            PaintPages(&printer_, false);
        OnEndPrinting();
    }
    printState = kPrintCommandReturned;
}

void CMainView::OnPreview() {
    QPrintPreviewDialog preview(&printer_, window());
    preview.setWindowTitle(tr("Rapstel - 打印预览"));
    preview.resize(window()->screen()->availableGeometry().size() * 0.9);  // pages legible at first sight
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PaintPages(printer, true); });
    ArmPreviewHook(preview);
    // Printing from the preview runs a whole print command inside it.
    if (preview.exec() == QDialog::Accepted)
        printState = kPrintCommandReturned;
    OnEndPrinting();
}

void CMainView::PaintPages(QPrinter* printer, bool wholeReport) {
    pages_.Paint(printer, wholeReport, infoDialog.HeaderInfo(), [this] { timers_.Stop(kAfterPrinting); });
}

void CMainView::OnEndPrinting() {
    timers_.Start(kAfterPrinting, 100);
}

void CMainView::OnTimer(int id) {
    switch (id) {
        case kStartPreview:
            timers_.Stop(kStartPreview);
            OnPreview();
            break;
        case kAfterPrinting:
            if (printState == kPrintCommandRunning) {
                timers_.Stop(kAfterPrinting);
                timers_.Start(kWatchPrintDialog, 100);
                return;
            }
            ExitProcess();
        case kWatchPrintDialog:
            if (PrintDialogShown())
                return;
            timers_.Stop(kWatchPrintDialog);
            QThread::msleep(300);
            timers_.Start(kIdle, 5000);
            break;
        default:
            break;
    }
}

void CMainView::ExitProcess() {
    // The job is spooled or the preview closed: nothing is left to save.
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace terrovane::printsvc
