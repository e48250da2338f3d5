#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace terrovane::history {

// What the site report is for: the site block's tester and instrument serial (the instrument does not
// send its serial), the client and who prepared and checked it, and whether it goes to the print preview,
// into a PDF file, or into a PDF of one certificate page per test point.
struct SiteReportRequest {
    enum class Output { Preview, Pdf, Issue, Certificates } output = Output::Preview;
    QString tester;
    QString instrument;
    QString client;
    QString preparedBy;
    QString checkedBy;
    QString revise;  // Issue: the number whose next revision is issued; empty for a new number
};

// The tester and instrument serial of the last report, from the settings.
SiteReportRequest RememberedReportRequest();
void RememberReportRequest(const SiteReportRequest& request);

// Asks for the site block's tester and instrument serial, then previews or saves the report.
class SiteReportDialog : public QDialog {
    Q_OBJECT

  public:
    // `issued`: the numbers issued for the site so far, offered for a revision.
    SiteReportDialog(const QString& site, const SiteReportRequest& current, QWidget* parent = nullptr,
                     const QStringList& issued = {});

    SiteReportRequest Value() const;
    QLineEdit& TesterField() const { return *tester_; }
    QLineEdit& InstrumentField() const { return *instrument_; }
    QPushButton& PreviewButton() const { return *preview_; }
    QPushButton& PdfButton() const { return *pdf_; }
    QPushButton& IssueButton() const { return *issue_; }
    QComboBox& ReviseChoice() const { return *revise_; }
    QPushButton& CertificatesButton() const { return *certificates_; }
    QLineEdit& ClientField() const { return *client_; }
    QLineEdit& PreparedByField() const { return *preparedBy_; }
    QLineEdit& CheckedByField() const { return *checkedBy_; }

  private:
    QLineEdit* tester_ = nullptr;
    QLineEdit* instrument_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* pdf_ = nullptr;
    QPushButton* issue_ = nullptr;
    QComboBox* revise_ = nullptr;
    QPushButton* certificates_ = nullptr;
    QLineEdit* client_ = nullptr;
    QLineEdit* preparedBy_ = nullptr;
    QLineEdit* checkedBy_ = nullptr;
    SiteReportRequest::Output output_ = SiteReportRequest::Output::Preview;
};

}  // namespace terrovane::history
