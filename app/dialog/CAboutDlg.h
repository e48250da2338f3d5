#pragma once

#include <QDialog>

namespace terrovane::app {

// The about box: the program icon, its version line and the list of what it does.
class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

  private:
    void CreateControls();
};

}  // namespace terrovane::app
