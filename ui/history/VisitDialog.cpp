#include "VisitDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "ArchiveProblemText.h"
#include "FocusFrame.h"
#include "ScreenFit.h"
#include "VisitText.h"
#include "Visits.h"

namespace terrovane::history {
namespace {

constexpr const char* kDateFormat = "yyyy-MM-dd";

std::string InstrumentCell(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item != nullptr ? item->text().trimmed().toStdString() : std::string();
}

}  // namespace

VisitDialog::VisitDialog(const QString& site, const archive::Visit& start, Store store, QWidget* parent)
    : QDialog(parent), start_(start), store_(std::move(store)) {
    keyboard::ShowFocusFromTheStart(this);
    setWindowTitle(start.id != 0 ? tr("Edit visit of %1").arg(site) : tr("New visit of %1").arg(site));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const QDate day = QDate::fromString(QString::fromStdString(start.date), QString::fromLatin1(kDateFormat));
    date_ = new QDateEdit(day.isValid() ? day : QDate::currentDate(), this);
    date_->setDisplayFormat(QString::fromLatin1(kDateFormat));
    date_->setCalendarPopup(true);
    form->addRow(tr("&Date:"), date_);
    by_ = new QLineEdit(QString::fromStdString(start.by), this);
    by_->setPlaceholderText(tr("names, as on the report"));
    form->addRow(tr("Visited &by:"), by_);

    instruments_ = new QTableWidget(0, kInstrumentColumns, this);
    instruments_->setHorizontalHeaderLabels({tr("Instrument"), tr("Serial"), tr("Calibration due")});
    instruments_->setAccessibleName(tr("Instruments"));
    instruments_->setToolTip(tr("Calibration due dates are written YYYY-MM-DD"));
    instruments_->horizontalHeader()->setSectionResizeMode(kInstrumentName, QHeaderView::Stretch);
    instruments_->horizontalHeader()->setSectionResizeMode(kInstrumentSerial, QHeaderView::ResizeToContents);
    instruments_->horizontalHeader()->setSectionResizeMode(kInstrumentDue, QHeaderView::ResizeToContents);
    instruments_->verticalHeader()->setVisible(false);
    instruments_->setTabKeyNavigation(false);  // Tab goes on to the buttons below
    instruments_->setMinimumHeight(instruments_->fontMetrics().height() * 6);
    keyboard::ShowFocusFrame(instruments_);
    instruments_->viewport()->installEventFilter(this);
    for (const archive::VisitInstrument& instrument : start.instruments) {
        AddInstrumentRow(instrument);
    }
    addInstrument_ = new QPushButton(tr("Add &instrument"), this);
    removeInstrument_ = new QPushButton(tr("&Remove instrument"), this);
    connect(addInstrument_, &QPushButton::clicked, this, [this] {
        AddInstrumentRow({});
        instruments_->setCurrentCell(instruments_->rowCount() - 1, kInstrumentName);
        instruments_->setFocus();
        instruments_->editItem(instruments_->item(instruments_->rowCount() - 1, kInstrumentName));
    });
    connect(removeInstrument_, &QPushButton::clicked, this, [this] {
        if (instruments_->currentRow() >= 0) {
            instruments_->removeRow(instruments_->currentRow());
            UpdateWarning();
        }
    });
    auto* instrumentButtons = new QHBoxLayout;
    instrumentButtons->addWidget(addInstrument_);
    instrumentButtons->addWidget(removeInstrument_);
    instrumentButtons->addStretch(1);
    auto* instrumentBox = new QVBoxLayout;
    instrumentBox->addWidget(instruments_, 1);
    instrumentBox->addLayout(instrumentButtons);
    form->addRow(tr("Instruments:"), instrumentBox);
    warning_ = new QLabel(this);
    warning_->setWordWrap(true);
    warning_->setStyleSheet(QStringLiteral("color: #b00020"));
    warning_->setVisible(false);
    form->addRow(warning_);

    weather_ = new QLineEdit(QString::fromStdString(start.weather), this);
    weather_->setPlaceholderText(tr("e.g. overcast, rain overnight"));
    form->addRow(tr("&Weather:"), weather_);
    temperatureGiven_ = new QCheckBox(tr("measured"), this);
    temperature_ = new keyboard::NumberBox(this);
    temperature_->setAccessibleName(tr("Air temperature"));
    temperature_->setDecimals(1);
    temperature_->setRange(-80, 70);
    temperature_->setSuffix(QStringLiteral(" °C"));
    temperatureGiven_->setChecked(start.airTemperature.has_value());
    temperature_->setValue(start.airTemperature.value_or(0));
    temperature_->setEnabled(start.airTemperature.has_value());
    connect(temperatureGiven_, &QCheckBox::toggled, temperature_, &QWidget::setEnabled);
    auto* temperatureRow = new QHBoxLayout;
    temperatureRow->addWidget(temperatureGiven_);
    temperatureRow->addWidget(temperature_, 1);
    auto* temperatureLabel = new QLabel(tr("Air &temperature:"), this);
    temperatureLabel->setBuddy(temperatureGiven_);
    form->addRow(temperatureLabel, temperatureRow);
    soil_ = new QComboBox(this);
    soil_->addItem(tr("not stated"), static_cast<int>(archive::SoilCondition::Unknown));
    for (const archive::SoilCondition soil : {archive::SoilCondition::Dry, archive::SoilCondition::Moist,
                                              archive::SoilCondition::Wet, archive::SoilCondition::Frozen}) {
        soil_->addItem(texts::SoilConditionText(soil), static_cast<int>(soil));
    }
    soil_->setCurrentIndex(std::max(0, soil_->findData(static_cast<int>(start.soil))));
    form->addRow(tr("&Soil:"), soil_);
    notes_ = new QPlainTextEdit(QString::fromStdString(start.notes), this);
    notes_->setTabChangesFocus(true);
    notes_->setMaximumHeight(notes_->fontMetrics().height() * 5);
    form->addRow(tr("&Notes:"), notes_);
    layout->addLayout(form, 1);

    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00020"));
    problem_->setVisible(false);
    layout->addWidget(problem_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &VisitDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &VisitDialog::reject);
    layout->addWidget(buttons);
    connect(date_, &QDateEdit::dateChanged, this, &VisitDialog::UpdateWarning);
    connect(instruments_, &QTableWidget::itemChanged, this, &VisitDialog::UpdateWarning);
    UpdateWarning();
    screenfit::ResizeOnScreen(this, QSize(560, sizeHint().height()));
}

void VisitDialog::AddInstrumentRow(const archive::VisitInstrument& instrument) {
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

archive::Visit VisitDialog::Fields() const {
    archive::Visit visit = start_;
    visit.date = date_->date().toString(QString::fromLatin1(kDateFormat)).toStdString();
    visit.by = by_->text().trimmed().toStdString();
    visit.instruments.clear();
    for (int row = 0; row < instruments_->rowCount(); ++row) {
        archive::VisitInstrument instrument{InstrumentCell(*instruments_, row, kInstrumentName),
                                            InstrumentCell(*instruments_, row, kInstrumentSerial),
                                            InstrumentCell(*instruments_, row, kInstrumentDue)};
        // A row left empty is no instrument.
        if (!instrument.name.empty() || !instrument.serial.empty() || !instrument.calibrationDue.empty()) {
            visit.instruments.push_back(std::move(instrument));
        }
    }
    visit.weather = weather_->text().trimmed().toStdString();
    visit.airTemperature =
        temperatureGiven_->isChecked() ? std::optional(temperature_->value()) : std::optional<double>();
    visit.soil = static_cast<archive::SoilCondition>(soil_->currentData().toInt());
    visit.notes = notes_->toPlainText().trimmed().toStdString();
    return visit;
}

void VisitDialog::UpdateWarning() {
    const archive::Visit visit = Fields();
    QStringList lines;
    for (const std::size_t i : archive::PastCalibration(visit)) {
        lines << texts::CalibrationPastText(visit.instruments[i]);
    }
    warning_->setText(lines.join(QLatin1Char('\n')));
    warning_->setVisible(!lines.isEmpty());
}

bool VisitDialog::eventFilter(QObject* watched, QEvent* event) {
    // The cell's editor has taken what was typed by now and passed the key on; the default button must not.
    if (watched == instruments_->viewport() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void VisitDialog::accept() {
    const archive::Result<std::int64_t> stored = store_(Fields());
    if (stored) {
        storedId_ = stored.Value();
        QDialog::accept();
        return;
    }
    problem_->setText(texts::FailureText(stored.Error()));
    problem_->setVisible(true);
}

}  // namespace terrovane::history
