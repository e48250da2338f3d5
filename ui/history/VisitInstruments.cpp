// The visit dialog's table of instruments.
#include "VisitInstruments.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "FocusFrame.h"
#include "VisitDialog.h"

namespace terrovane::history {
namespace {

std::string InstrumentCell(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item != nullptr ? item->text().trimmed().toStdString() : std::string();
}

}  // namespace

void VisitInstruments::Build(QDialog* dialog, QFormLayout* form,
                             const std::vector<archive::VisitInstrument>& start,
                             std::function<void()> removed) {
    instruments_ = new QTableWidget(0, kInstrumentColumns, dialog);
    instruments_->setHorizontalHeaderLabels(
        {VisitDialog::tr("Instrument"), VisitDialog::tr("Serial"), VisitDialog::tr("Calibration due")});
    instruments_->setAccessibleName(VisitDialog::tr("Instruments"));
    instruments_->setToolTip(VisitDialog::tr("Calibration due dates are written YYYY-MM-DD"));
    instruments_->horizontalHeader()->setSectionResizeMode(kInstrumentName, QHeaderView::Stretch);
    instruments_->horizontalHeader()->setSectionResizeMode(kInstrumentSerial, QHeaderView::ResizeToContents);
    instruments_->horizontalHeader()->setSectionResizeMode(kInstrumentDue, QHeaderView::ResizeToContents);
    instruments_->verticalHeader()->setVisible(false);
    instruments_->setTabKeyNavigation(false);  // Tab goes on to the buttons below
    instruments_->setMinimumHeight(instruments_->fontMetrics().height() * 6);
    keyboard::ShowFocusFrame(instruments_);
    instruments_->viewport()->installEventFilter(dialog);
    for (const archive::VisitInstrument& instrument : start) {
        AddInstrumentRow(instrument);
    }
    addInstrument_ = new QPushButton(VisitDialog::tr("Add &instrument"), dialog);
    removeInstrument_ = new QPushButton(VisitDialog::tr("&Remove instrument"), dialog);
    QObject::connect(addInstrument_, &QPushButton::clicked, dialog, [this] {
        AddInstrumentRow({});
        instruments_->setCurrentCell(instruments_->rowCount() - 1, kInstrumentName);
        instruments_->setFocus();
        instruments_->editItem(instruments_->item(instruments_->rowCount() - 1, kInstrumentName));
    });
    QObject::connect(removeInstrument_, &QPushButton::clicked, dialog, [this, removed = std::move(removed)] {
        if (instruments_->currentRow() >= 0) {
            instruments_->removeRow(instruments_->currentRow());
            removed();
        }
    });
    auto* instrumentButtons = new QHBoxLayout;
    instrumentButtons->addWidget(addInstrument_);
    instrumentButtons->addWidget(removeInstrument_);
    instrumentButtons->addStretch(1);
    auto* instrumentBox = new QVBoxLayout;
    instrumentBox->addWidget(instruments_, 1);
    instrumentBox->addLayout(instrumentButtons);
    form->addRow(VisitDialog::tr("Instruments:"), instrumentBox);
}

void VisitInstruments::AddInstrumentRow(const archive::VisitInstrument& instrument) {
    const QSignalBlocker quiet(instruments_);
    const int row = instruments_->rowCount();
    instruments_->insertRow(row);
    instruments_->setItem(row, kInstrumentName,
                          new QTableWidgetItem(QString::fromStdString(instrument.name)));
    instruments_->setItem(row, kInstrumentSerial,
                          new QTableWidgetItem(QString::fromStdString(instrument.serial)));
    instruments_->setItem(row, kInstrumentDue,
                          new QTableWidgetItem(QString::fromStdString(instrument.calibrationDue)));
}

std::vector<archive::VisitInstrument> VisitInstruments::Instruments() const {
    std::vector<archive::VisitInstrument> instruments;
    for (int row = 0; row < instruments_->rowCount(); ++row) {
        archive::VisitInstrument instrument{InstrumentCell(*instruments_, row, kInstrumentName),
                                            InstrumentCell(*instruments_, row, kInstrumentSerial),
                                            InstrumentCell(*instruments_, row, kInstrumentDue)};
        // A row left empty is no instrument.
        if (!instrument.name.empty() || !instrument.serial.empty() || !instrument.calibrationDue.empty()) {
            instruments.push_back(std::move(instrument));
        }
    }
    return instruments;
}

}  // namespace terrovane::history
