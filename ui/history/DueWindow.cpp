#include "DueWindow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "ArchiveProblemText.h"
#include "DueFiles.h"
#include "DueListDocument.h"
#include "EscapeCloses.h"
#include "ExportPath.h"
#include "FileDialogSetup.h"
#include "FlowLayout.h"
#include "FocusFrame.h"
#include "MessageBox.h"
#include "ResultWords.h"
#include "ResultsFiles.h"
#include "ScreenFit.h"
#include "UserGuide.h"

namespace terrovane::history {
namespace {

constexpr int kDefaultDays = 30;
constexpr int kMostDays = 3660;  // ten years: beyond any re-test interval
const QColor kOverdue(0xB7, 0x1C, 0x1C);

}  // namespace

DueWindow::DueWindow(archive::Archive& archive, QWidget* parent)
    : QWidget(parent, Qt::Window), archive_(archive) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(tr("Due list"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    // The days are typed as every other whole number of the program, so "2,5" is refused by name.
    days_ = new keyboard::WholeNumberBox(this);
    days_->setRange(0, kMostDays);
    days_->setValue(kDefaultDays);
    auto* label = new QLabel(tr("Overdue and due &within:"), this);
    label->setBuddy(days_);
    top->addWidget(label);
    top->addWidget(days_);
    top->addWidget(new QLabel(tr("days"), this));
    top->addStretch(1);
    layout->addLayout(top);
    table_ = new QTableWidget(0, 6, this);
    table_->setHorizontalHeaderLabels(
        {tr("Site"), tr("Test point"), tr("Last test"), tr("Last result"), tr("Verdict"), tr("Due")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    keyboard::ShowFocusFrame(table_);
    layout->addWidget(table_, 1);
    auto* buttons = new screenfit::FlowLayout;
    for (auto [text, action] : {std::pair{tr("Print..."), &DueWindow::Print},
                                std::pair{tr("Save as PDF..."), &DueWindow::SaveAsPdf},
                                std::pair{tr("Export..."), &DueWindow::Export}}) {
        auto* push = new QPushButton(text, this);
        connect(push, &QPushButton::clicked, this, action);
        buttons->addWidget(push);
    }
    layout->addLayout(buttons);
    status_ = new QLabel(this);
    layout->addWidget(status_);
    // The list follows the spin box as it is turned, not only once it is left.
    connect(days_, &QSpinBox::valueChanged, this, &DueWindow::Reload);
    keyboard::CloseOnEscape(this);
    help::OpenGuideOnHelpKey(this, help::kPageArchive);
    Reload();
    screenfit::ResizeOnScreen(this, QSize(900, 520));
}

void DueWindow::Reload() {
    today_ = archive::Today();
    archive::Result<std::vector<archive::DueEntry>> entries =
        archive::DueSoon(archive_, today_, days_->value());
    if (!entries) {
        status_->setText(tr("The due list could not be read: %1").arg(texts::FailureText(entries.Error())));
        return;
    }
    entries_ = std::move(entries).Value();
    Fill();
}

void DueWindow::Fill() {
    table_->setRowCount(static_cast<int>(entries_.size()));
    int overdue = 0;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const archive::DueEntry& entry = entries_[static_cast<std::size_t>(row)];
        const archive::DuePoint& p = entry.due;
        const QStringList texts = {QString::fromStdString(p.site),
                                   QString::fromStdString(p.name),
                                   LastTestText(p),
                                   QString::fromStdString(entry.lastResult),
                                   p.lastResult == 0 ? QString() : texts::VerdictText(entry.verdict),
                                   DueText(p)};
        for (int column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setToolTip(texts[column]);
            table_->setItem(row, column, item);
        }
        if (p.overdue) {
            ++overdue;
            table_->item(row, kDueColumn)->setForeground(kOverdue);
        }
        if (entry.verdict == archive::Verdict::Fail) {
            table_->item(row, kVerdictColumn)->setForeground(kOverdue);
        }
    }
    table_->resizeColumnsToContents();
    status_->setText(tr("%n test point(s) overdue", nullptr, overdue) + QStringLiteral(", ") +
                     tr("%n due within the days", nullptr, static_cast<int>(entries_.size()) - overdue));
}

QString DueWindow::AskFile(const QString& title, const QString& filters) {
    if (fileChooser) {
        return fileChooser(title, filters);
    }
    QFileDialog dialog(this, title, {}, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    filedialog::KeepOutOfFileContents(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return WithExportExtension(dialog.selectedFiles().first(), dialog.selectedNameFilter());
}

void DueWindow::Said(const std::string& error, const QString& done) {
    if (!error.empty()) {
        return platform::Alert(QT_TRANSLATE_NOOP("Messages", "The due list could not be written: %1"),
                               {error});
    }
    status_->setText(done);
}

void DueWindow::Print() {
    const auto document = DueListDocument(entries_, days_->value(), today_);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Due list"));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(tr("Due list"));
    if (screen() != nullptr) {
        preview.resize(screen()->availableGeometry().size() * 0.85);
    }
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&document](QPrinter* target) { document->print(target); });
    if (previewShown) {
        QTimer::singleShot(0, &preview, [this, &preview] { previewShown(preview); });
    }
    preview.exec();
}

void DueWindow::SaveAsPdf() {
    const QString path = AskFile(tr("Save the due list as PDF"), tr("PDF file (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    const auto document = DueListDocument(entries_, days_->value(), today_);
    Said(WriteDueListPdf(*document, path), tr("Due list written to %1").arg(path));
}

void DueWindow::Export() {
    const QString path = AskFile(tr("Export the due list"),
                                 tr("Excel workbook (*.xlsx);;CSV file (*.csv);;iCalendar file (*.ics)"));
    if (path.isEmpty()) {
        return;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    const std::string file = path.toStdString();
    std::string error;
    if (suffix == QLatin1String("xlsx")) {
        error = archive::ExportDueXlsx(entries_, file);
    } else if (suffix == QLatin1String("csv")) {
        error = archive::WriteFileReplacing(file, archive::DueCsv(entries_));
    } else if (suffix == QLatin1String("ics")) {
        error =
            archive::WriteFileReplacing(file, archive::DueCalendar(entries_, today_, archive::UtcStamp()));
    } else {
        error = tr("the file name should end in .xlsx, .csv or .ics").toStdString();
    }
    Said(error, tr("Due list written to %1").arg(path));
}

}  // namespace terrovane::history
