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

    instruments_.Build(this, form, start.instruments, [this] { UpdateWarning(); });
    warning_ = new QLabel(this);
    warning_->setWordWrap(true);
    warning_->setStyleSheet(QStringLiteral("color: #b00020"));
    warning_->setVisible(false);
    form->addRow(warning_);

    conditions_.Build(this, form, start);
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
    connect(&instruments_.Table(), &QTableWidget::itemChanged, this, &VisitDialog::UpdateWarning);
    UpdateWarning();
    screenfit::ResizeOnScreen(this, QSize(560, sizeHint().height()));
}

archive::Visit VisitDialog::Fields() const {
    archive::Visit visit = start_;
    visit.date = date_->date().toString(QString::fromLatin1(kDateFormat)).toStdString();
    visit.by = by_->text().trimmed().toStdString();
    visit.instruments = instruments_.Instruments();
    conditions_.Fill(visit);
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
    if (watched == instruments_.Table().viewport() && event->type() == QEvent::KeyPress) {
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
