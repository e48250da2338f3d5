#include "SiteReportDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

#include "FocusFrame.h"
#include "Settings.h"

namespace terrovane::history {

SiteReportRequest RememberedReportRequest() {
    const platform::Settings settings;
    SiteReportRequest request;
    request.tester = settings.ReportTester();
    request.instrument = settings.ReportInstrument();
    return request;
}

void RememberReportRequest(const SiteReportRequest& request) {
    platform::Settings().SetReportSigner(request.tester.trimmed(), request.instrument.trimmed());
}

SiteReportDialog::SiteReportDialog(const QString& site, const SiteReportRequest& current, QWidget* parent,
                                   const QStringList& issued)
    : QDialog(parent) {
    setWindowTitle(tr("Site report"));
    keyboard::ShowFocusFromTheStart(this);
    tester_ = new QLineEdit(current.tester, this);
    tester_->setMaxLength(200);
    instrument_ = new QLineEdit(current.instrument, this);
    instrument_->setMaxLength(100);
    instrument_->setPlaceholderText(tr("as on the instrument's plate"));
    client_ = new QLineEdit(current.client, this);
    client_->setMaxLength(200);
    preparedBy_ = new QLineEdit(current.preparedBy, this);
    preparedBy_->setMaxLength(200);
    checkedBy_ = new QLineEdit(current.checkedBy, this);
    checkedBy_->setMaxLength(200);
    auto* buttons = new QDialogButtonBox(this);
    preview_ = buttons->addButton(tr("Print preview..."), QDialogButtonBox::AcceptRole);
    pdf_ = buttons->addButton(tr("Save PDF..."), QDialogButtonBox::AcceptRole);
    issue_ = buttons->addButton(tr("Issue..."), QDialogButtonBox::AcceptRole);
    issue_->setToolTip(
        tr("Saves the report as a PDF with a report number and today's date, and keeps it in "
           "the archive as it was issued"));
    certificates_ = buttons->addButton(tr("Certificates PDF..."), QDialogButtonBox::AcceptRole);
    certificates_->setToolTip(
        tr("One page per test point: its limit, newest result, method, verdict and signatures"));
    buttons->addButton(QDialogButtonBox::Cancel);
    revise_ = new QComboBox(this);
    revise_->addItem(tr("a new report number"), QString());
    for (const QString& number : issued) {
        revise_->addItem(tr("the next revision of %1").arg(number), number);
    }
    revise_->setEnabled(!issued.isEmpty());
    preview_->setDefault(true);
    connect(preview_, &QPushButton::clicked, this, [this] { output_ = SiteReportRequest::Output::Preview; });
    connect(pdf_, &QPushButton::clicked, this, [this] { output_ = SiteReportRequest::Output::Pdf; });
    connect(issue_, &QPushButton::clicked, this, [this] { output_ = SiteReportRequest::Output::Issue; });
    connect(certificates_, &QPushButton::clicked, this,
            [this] { output_ = SiteReportRequest::Output::Certificates; });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    auto* title = new QLabel(tr("The report of %1").arg(site), this);
    title->setTextFormat(Qt::PlainText);
    layout->addRow(title);
    layout->addRow(tr("Tester:"), tester_);
    layout->addRow(tr("Instrument serial:"), instrument_);
    layout->addRow(tr("Client:"), client_);
    layout->addRow(tr("Prepared by:"), preparedBy_);
    layout->addRow(tr("Checked by:"), checkedBy_);
    layout->addRow(tr("Issue as:"), revise_);
    layout->addRow(buttons);
}

SiteReportRequest SiteReportDialog::Value() const {
    return {output_,
            tester_->text().trimmed(),
            instrument_->text().trimmed(),
            client_->text().trimmed(),
            preparedBy_->text().trimmed(),
            checkedBy_->text().trimmed(),
            revise_->currentData().toString()};
}

}  // namespace terrovane::history
