#pragma once

#include <QMainWindow>

#include "CDoc.h"

namespace terrovane::printsvc {

class CMainView;

// The service's main window: menus, toolbar, status bar and the form view.
class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame();

    CMainView* View() const { return view_; }

  private:
    void BuildMenusAndToolbar();
    void BuildStatusBar();
    void OnPrintSetup();
    void OnAbout();

    CDoc document_;
    CMainView* view_ = nullptr;
};

}  // namespace terrovane::printsvc
