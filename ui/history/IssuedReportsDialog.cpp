#include "IssuedReportsDialog.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

#include "ArchiveProblemText.h"
#include "AtomicFile.h"
#include "FileDialogSetup.h"
#include "FocusFrame.h"
#include "MessageBox.h"

namespace terrovane::history {
namespace {

// "ACME-2024-0007 rev 2.pdf": the name a copy is offered under.
QString CopyName(const archive::IssuedReport& report) {
    return QStringLiteral("%1 rev %2.pdf").arg(QString::fromStdString(report.number)).arg(report.revision);
}

}  // namespace

IssuedReportsDialog::IssuedReportsDialog(archive::Archive& archive, const archive::SiteRow& site,
                                         QWidget* parent)
    : QDialog(parent), archive_(archive) {
    setWindowTitle(tr("Issued reports"));
    keyboard::ShowFocusFromTheStart(this);
    auto* title = new QLabel(tr("Reports issued for %1").arg(QString::fromStdString(site.fields.name)), this);
    title->setTextFormat(Qt::PlainText);
    table_ = new QTableWidget(0, 4, this);
    table_->setHorizontalHeaderLabels({tr("Number"), tr("Revision"), tr("Issued"), tr("By")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    keyboard::ShowFocusFrame(table_);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    if (const auto rows = archive::IssuedReportsOf(archive, site.id)) {
        reports_ = rows.Value();
    } else {
        title->setText(texts::FailureText(rows.Error()));
    }
    for (const archive::IssuedReport& report : reports_) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        const QStringList cells = {QString::fromStdString(report.number), QString::number(report.revision),
                                   QString::fromStdString(report.issuedOn),
                                   QString::fromStdString(report.issuedBy)};
        for (int column = 0; column < cells.size(); ++column) {
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    auto* empty =
        new QLabel(tr("No report was issued for this site yet: Site report..., then Issue..."), this);
    empty->setWordWrap(true);
    empty->setVisible(reports_.empty());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    open_ = buttons->addButton(tr("Open"), QDialogButtonBox::ActionRole);
    save_ = buttons->addButton(tr("Save a copy..."), QDialogButtonBox::ActionRole);
    connect(open_, &QPushButton::clicked, this, &IssuedReportsDialog::OpenChosen);
    connect(save_, &QPushButton::clicked, this, &IssuedReportsDialog::SaveChosen);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &IssuedReportsDialog::OpenChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto follow = [this] {
        const bool chosen = !table_->selectionModel()->selectedRows().isEmpty();
        open_->setEnabled(chosen);
        save_->setEnabled(chosen);
    };
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, follow);
    if (!reports_.empty()) {
        table_->selectRow(0);
    }
    follow();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(table_, 1);
    layout->addWidget(empty);
    layout->addWidget(buttons);
    resize(560, 320);
}

bool IssuedReportsDialog::ChosenBytes(const archive::IssuedReport*& report, std::string& bytes) {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return false;
    }
    report = &reports_.at(static_cast<std::size_t>(rows.front().row()));
    archive::Result<std::string> read = archive::IssuedReportBytes(archive_, report->id);
    if (!read) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "The issued report cannot be read: %1"),
                        {texts::FailureText(read.Error()).toStdString()});
        return false;
    }
    bytes = std::move(read).Value();
    return true;
}

void IssuedReportsDialog::OpenChosen() {
    const archive::IssuedReport* report = nullptr;
    std::string bytes;
    if (!ChosenBytes(report, bytes)) {
        return;
    }
    // A copy in the user's temporary folder for the viewer: the archive's copy stays as it was issued.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString path = QDir(folder).filePath(CopyName(*report));
    std::string error;
    if (!platform::WriteFileAtomically(path.toStdString(), bytes, error)) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "The issued report cannot be written: %1"), {error});
        return;
    }
    if (!(opener ? opener(path) : QDesktopServices::openUrl(QUrl::fromLocalFile(path)))) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "No program opens the PDF file %1."),
                        {path.toStdString()});
    }
}

void IssuedReportsDialog::SaveChosen() {
    const archive::IssuedReport* report = nullptr;
    std::string bytes;
    if (!ChosenBytes(report, bytes)) {
        return;
    }
    QString path;
    if (copyChooser) {
        path = copyChooser(CopyName(*report));
    } else {
        QFileDialog dialog(this, tr("Save a copy"), {}, tr("PDF file (*.pdf)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.selectFile(CopyName(*report));
        filedialog::KeepOutOfFileContents(dialog);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            path = dialog.selectedFiles().front();
        }
    }
    if (path.isEmpty()) {
        return;
    }
    std::string error;
    if (!platform::WriteFileAtomically(path.toStdString(), bytes, error)) {
        platform::Alert(QT_TRANSLATE_NOOP("Messages", "The issued report cannot be written: %1"), {error});
    }
}

}  // namespace terrovane::history
