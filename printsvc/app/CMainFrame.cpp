#include "CMainFrame.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QStatusBar>
#include <QToolBar>

#include "CMainView.h"

namespace terrovane::printsvc {

CMainFrame::CMainFrame() {
    setWindowTitle(tr("Untitled - Rapstel"));
    document_.OnNewDocument();
    view_ = new CMainView(this);
    setCentralWidget(view_);
    BuildMenusAndToolbar();
    BuildStatusBar();
}

void CMainFrame::BuildMenusAndToolbar() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* newAction = file->addAction(tr("&New"), QKeySequence::New, [] {});
    QAction* open = file->addAction(tr("&Open..."), QKeySequence::Open, [] {});
    QAction* save = file->addAction(tr("&Save"), QKeySequence::Save, [] {});  // the document stores nothing
    file->addAction(tr("Save &As..."), [] {});
    file->addSeparator();
    QAction* print = file->addAction(tr("&Print..."), QKeySequence::Print, view_, &CMainView::OnPrint);
    file->addAction(tr("Print Pre&view"), [] {});  // accepted and ignored: the preview opens by itself
    file->addAction(tr("P&rint Setup..."), this, &CMainFrame::OnPrintSetup);
    file->addSeparator();
    file->addAction(tr("E&xit"), this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QList<QAction*> editActions;
    for (const auto& [text, key] : {std::pair{QT_TR_NOOP("&Undo"), QKeySequence::Undo},
                                    {QT_TR_NOOP("Cu&t"), QKeySequence::Cut},
                                    {QT_TR_NOOP("&Copy"), QKeySequence::Copy},
                                    {QT_TR_NOOP("&Paste"), QKeySequence::Paste}}) {
        QAction* action = edit->addAction(tr(text));
        action->setShortcut(key);
        action->setEnabled(false);  // nothing to edit
        editActions.append(action);
    }
    if (edit->actions().size() > 1)
        edit->insertSeparator(edit->actions().at(1));

    QToolBar* toolbar = addToolBar(tr("Toolbar"));
    toolbar->addActions({newAction, open, save});
    toolbar->addSeparator();
    toolbar->addActions(editActions.mid(1));
    toolbar->addSeparator();
    toolbar->addAction(print);
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(toolbar->toggleViewAction());
    toolbar->toggleViewAction()->setText(tr("&Toolbar"));
    QAction* statusToggle = view->addAction(tr("&Status Bar"));
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    toolbar->addAction(help->addAction(tr("&About Rapstel..."), this, &CMainFrame::OnAbout));
}

void CMainFrame::BuildStatusBar() {
    statusBar()->showMessage(tr("Ready"));
    for (const char* pane : {QT_TR_NOOP("CAP"), QT_TR_NOOP("NUM"), QT_TR_NOOP("SCRL")})
        statusBar()->addPermanentWidget(new QLabel(tr(pane)));
}

void CMainFrame::OnPrintSetup() {
    // The choices go to the printer the report is printed on, not to one of the dialog's own.
    QPageSetupDialog(&view_->Printer(), this).exec();
}

void CMainFrame::OnAbout() {
    QMessageBox box(QMessageBox::Information, tr("About Print Service"), tr("Print Service Version 1.0"),
                    QMessageBox::Ok, this);
    box.exec();
}

}  // namespace terrovane::printsvc
