#include "CMainView.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>

#include "HandoffFiles.h"
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
    handoff::LoadRecordFile(records_);
    pageCount = report::CountReportPages(records_);

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
    dialog.setMinMax(1, std::max(1, pageCount));
    dialog.setFromTo(1, std::max(1, pageCount));
    if (dialog.exec() == QDialog::Accepted) {
        if (pageCount > 0)
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
    int first = 1, last = pageCount;
    if (!wholeReport && printer->printRange() == QPrinter::PageRange) {
        first = std::max(1, printer->fromPage());
        last = std::min(pageCount, printer->toPage());
    }
    QPainter painter(printer);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer->newPage();
        OnPrintPage(painter, *printer, page);
    }
}

void CMainView::OnPrintPage(QPainter& painter, QPrinter& printer, int pageNumber) {
    timers_.Stop(kAfterPrinting);
    const QRect area = printer.pageRect(QPrinter::DevicePixel).toRect();
    const int orientation =
        printer.pageLayout().orientation() == QPageLayout::Landscape ? form::kLandscape : form::kPortrait;
    auto page = std::make_unique<form::PrintForm>(painter, 0, 0, area.width(), area.height(),
                                                  form::kMapPixels, orientation);
    report::DrawReportPage(*page, infoDialog.HeaderInfo(), records_, pageNumber - 1);
    pages[pageNumber - 1] = std::move(page);
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
