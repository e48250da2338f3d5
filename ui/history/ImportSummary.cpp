// The import dialog's page of what the import did.
#include "ImportSummary.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "ImportDialog.h"
#include "ImportProblemText.h"

namespace terrovane::history {

QWidget* ImportSummary::Build(QWidget* dialog) {
    auto* page = new QWidget(dialog);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    summary_ = new QLabel(page);
    summary_->setWordWrap(true);
    refused_ = new QTableWidget(0, 2, page);
    refused_->setHorizontalHeaderLabels({ImportDialog::tr("Line"), ImportDialog::tr("Why it was not taken")});
    refused_->horizontalHeader()->setStretchLastSection(true);
    refused_->verticalHeader()->setVisible(false);
    refused_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(summary_);
    layout->addWidget(refused_, 1);
    return page;
}

void ImportSummary::Show(const imports::ImportReport& report) {
    summary_->setText(ImportDialog::tr("%n row(s) read: %1 taken, %2 already in the archive, %3 refused.",
                                       nullptr, report.rows)
                          .arg(report.taken)
                          .arg(report.already)
                          .arg(report.refused.size()));
    refused_->setRowCount(static_cast<int>(report.refused.size()));
    for (std::size_t i = 0; i < report.refused.size(); ++i) {
        refused_->setItem(static_cast<int>(i), 0,
                          new QTableWidgetItem(QString::number(report.refused[i].line)));
        refused_->setItem(static_cast<int>(i), 1,
                          new QTableWidgetItem(texts::ImportProblemText(report.refused[i].problem)));
    }
    refused_->resizeColumnToContents(0);
}

}  // namespace terrovane::history
