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
    setWindowTitle("Untitled - Rapstel");
    document_.OnNewDocument();
    view_ = new CMainView(this);
    setCentralWidget(view_);
    BuildMenusAndToolbar();
    BuildStatusBar();
}

void CMainFrame::BuildMenusAndToolbar() {
    QMenu* file = menuBar()->addMenu("&File");
    QAction* newAction = file->addAction("&New", QKeySequence::New, [] {});
    QAction* open = file->addAction("&Open...", QKeySequence::Open, [] {});
    QAction* save = file->addAction("&Save", QKeySequence::Save, [] {});  // the document stores nothing
    file->addAction("Save &As...", [] {});
    file->addSeparator();
    QAction* print = file->addAction("&Print...", QKeySequence::Print, view_, &CMainView::OnPrint);
    file->addAction("Print Pre&view", [] {});  // accepted and ignored: the preview opens by itself
    file->addAction("P&rint Setup...", this, &CMainFrame::OnPrintSetup);
    file->addSeparator();
    file->addAction("E&xit", this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu("&Edit");
    QList<QAction*> editActions;
    for (const auto& [text, key] : {std::pair{"&Undo", QKeySequence::Undo},
                                    {"Cu&t", QKeySequence::Cut},
                                    {"&Copy", QKeySequence::Copy},
                                    {"&Paste", QKeySequence::Paste}}) {
        QAction* action = edit->addAction(text);
        action->setShortcut(key);
        action->setEnabled(false);  // nothing to edit
        editActions.append(action);
    }
    if (edit->actions().size() > 1)
        edit->insertSeparator(edit->actions().at(1));

    QToolBar* toolbar = addToolBar("Toolbar");
    toolbar->addActions({newAction, open, save});
    toolbar->addSeparator();
    toolbar->addActions(editActions.mid(1));
    toolbar->addSeparator();
    toolbar->addAction(print);
    QMenu* view = menuBar()->addMenu("&View");
    view->addAction(toolbar->toggleViewAction());
    toolbar->toggleViewAction()->setText("&Toolbar");
    QAction* statusToggle = view->addAction("&Status Bar");
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    QMenu* help = menuBar()->addMenu("&Help");
    toolbar->addAction(help->addAction("&About Rapstel...", this, &CMainFrame::OnAbout));
}

void CMainFrame::BuildStatusBar() {
    statusBar()->showMessage("Ready");
    for (const char* pane : {"CAP", "NUM", "SCRL"})
        statusBar()->addPermanentWidget(new QLabel(pane));
}

void CMainFrame::OnPrintSetup() {
    // The choices go to the printer the report is printed on, not to one of the dialog's own.
    QPageSetupDialog(&view_->Printer(), this).exec();
}

void CMainFrame::OnAbout() {
    QMessageBox box(QMessageBox::Information, "About Print Service", "Print Service Version 1.0",
                    QMessageBox::Ok, this);
    box.exec();
}

}  // namespace terrovane::printsvc
