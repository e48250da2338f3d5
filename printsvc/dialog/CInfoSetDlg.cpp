#include "CInfoSetDlg.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "HandoffFiles.h"
#include "ReportTexts.h"

namespace terrovane::printsvc {

CInfoSetDlg::CInfoSetDlg(QWidget* parent) : QDialog(parent), dateValue_(QDate::currentDate()) {
    setWindowTitle(tr("打印信息设置"));
    BuildControls();
    if (const auto texts = handoff::LoadHeaderFile()) {
        buffers_.object = texts->object;
        buffers_.serialNumber = texts->serialNumber;
        buffers_.tester = texts->tester;
        objectText_ = QString::fromStdString(texts->object);
        serialText_ = QString::fromStdString(texts->serialNumber);
        testerText_ = QString::fromStdString(texts->tester);
    }
}

void CInfoSetDlg::BuildControls() {
    auto* grid = new QGridLayout;
    const auto addEdit = [&](int row, const QString& label, int maxChars) {
        auto* edit = new QLineEdit;
        edit->setMaxLength(maxChars);
        grid->addWidget(new QLabel(label), row, 0);
        grid->addWidget(edit, row, 1);
        return edit;
    };
    objectEdit_ = addEdit(0, tr("测试对象"), handoff::kObjectMaxChars);
    serialEdit_ = addEdit(1, tr("仪表编号"), handoff::kSerialNumberMaxChars);
    testerEdit_ = addEdit(2, tr("测试人 "), handoff::kTesterMaxChars);
    calendar_ = new QCalendarWidget;
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    grid->addWidget(new QLabel(tr("日期     ")), 3, 0, Qt::AlignTop);
    grid->addWidget(calendar_, 3, 1);

    auto* ok = new QPushButton(tr("确定"));
    auto* cancel = new QPushButton(tr("取消"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CInfoSetDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CInfoSetDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addLayout(buttons, 1, 0);
}

void CInfoSetDlg::showEvent(QShowEvent* event) {
    objectEdit_->setText(objectText_);
    serialEdit_->setText(serialText_);
    testerEdit_->setText(testerText_);
    calendar_->setSelectedDate(dateValue_);
    QDialog::showEvent(event);
}

void CInfoSetDlg::accept() {
    objectText_ = objectEdit_->text();
    serialText_ = serialEdit_->text();
    testerText_ = testerEdit_->text();
    dateValue_ = calendar_->selectedDate();
    buffers_ = {objectText_.toStdString(), serialText_.toStdString(), testerText_.toStdString(), {}};
    buffers_.date = format::HeaderDateText(dateValue_.year(), dateValue_.month(), dateValue_.day());
    // A header file that cannot be written costs only the memory of the next run: no message.
    handoff::SaveHeaderFile({buffers_.object, buffers_.serialNumber, buffers_.tester});
    QDialog::accept();
}

}  // namespace terrovane::printsvc
