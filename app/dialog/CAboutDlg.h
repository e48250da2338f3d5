#pragma once

#include <QDialog>

#include <vector>

class QLabel;

namespace terrovane::app {

// The about box: the program icon, its version line and the list of what it does.
class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

  private:
    void CreateControls();
    void WidenForLongerLines(const std::vector<QLabel*>& lines, QWidget* frame, QWidget* close);
};

}  // namespace terrovane::app
