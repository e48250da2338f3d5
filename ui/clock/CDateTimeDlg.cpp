#include "CDateTimeDlg.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "DialogUnits.h"

namespace terrovane::ui {

namespace {

QFont SystemFont() {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                                 QStringLiteral("WenQuanYi Zen Hei")});
    font.setPointSize(10);
    return font;
}

// The locale's short date with a four-digit year, so the century the instrument loses stays visible.
QString ShortDateFormat() {
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    return format;
}

}  // namespace

QDate EarliestInstrumentDate() {
    return QDate(2000, 1, 1);
}
QDate LatestInstrumentDate() {
    return QDate(2099, 12, 31);
}

CDateTimeDlg::CDateTimeDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Date & Time Setting"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(SystemFont());
    CreateControls();
    const QDateTime now = QDateTime::currentDateTime();
    datePicker_->setDate(now.date());
    timePicker_->setTime(now.time());
}

void CDateTimeDlg::CreateControls() {
    const units::DialogUnits du(font());
    setFixedSize(du.X(164), du.Y(90));

    auto* dateLabel = new QLabel(tr("Date"), this);
    dateLabel->setGeometry(du.Rect(10, 8, 60, 10));
    datePicker_ = new QDateEdit(this);
    datePicker_->setObjectName(QString::number(kDatePickerId));
    datePicker_->setDisplayFormat(ShortDateFormat());
    datePicker_->setCalendarPopup(true);
    datePicker_->setDateRange(EarliestInstrumentDate(), LatestInstrumentDate());
    datePicker_->setGeometry(du.Rect(10, 19, 90, 15));

    auto* timeLabel = new QLabel(tr("Time"), this);
    timeLabel->setGeometry(du.Rect(10, 45, 60, 10));
    timePicker_ = new QTimeEdit(this);
    timePicker_->setObjectName(QString::number(kTimePickerId));
    timePicker_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    timePicker_->setGeometry(du.Rect(10, 56, 90, 15));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    ok->setGeometry(du.Rect(110, 19, 46, 15));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("2"));
    cancel->setGeometry(du.Rect(110, 56, 46, 15));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace terrovane::ui
