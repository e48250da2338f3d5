#pragma once

#include <QDate>
#include <QDialog>

#include "ReportHeaderInfo.h"

class QCalendarWidget;
class QLineEdit;
class QPushButton;

namespace terrovane::printsvc {

// Asks once per run for the report's header texts. The object, serial number and tester texts start
// from set.inf and are written back on OK; the date starts at today and is never stored.
class CInfoSetDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CInfoSetDlg(QWidget* parent = nullptr);

    // The four texts the report prints: those of set.inf until OK, then the entered ones. The date stays
    // empty unless the dialog was closed with OK.
    const report::ReportHeaderInfo& HeaderInfo() const { return buffers_; }

    QLineEdit* ObjectEdit() const { return objectEdit_; }
    QLineEdit* SerialNumberEdit() const { return serialEdit_; }
    QLineEdit* TesterEdit() const { return testerEdit_; }
    QCalendarWidget* Calendar() const { return calendar_; }

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();

    // The values bound to the controls.
    QString objectText_;
    QString serialText_;
    QString testerText_;
    QDate dateValue_;
    report::ReportHeaderInfo buffers_;

    QLineEdit* objectEdit_ = nullptr;
    QLineEdit* serialEdit_ = nullptr;
    QLineEdit* testerEdit_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
};

}  // namespace terrovane::printsvc
