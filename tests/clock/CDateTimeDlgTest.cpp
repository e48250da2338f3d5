#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "CDateTimeDlg.h"

namespace terrovane::ui {
namespace {

TEST(CDateTimeDlg, StartsAtThePcClockWithItsCaptionAndLabels) {
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    CDateTimeDlg dialog;
    const QDateTime shown(dialog.DateValue(), dialog.TimeValue());
    EXPECT_GE(shown, before.addMSecs(-before.time().msec()));
    EXPECT_LE(shown, QDateTime::currentDateTime().addSecs(1));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Date & Time Setting"));
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        labels << label->text();
    }
    EXPECT_TRUE(labels.contains(QStringLiteral("Date")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Time")));
}

TEST(CDateTimeDlg, DatesOutsideTheInstrumentsCenturyAreClamped) {
    CDateTimeDlg dialog;
    dialog.DatePicker()->setDate(QDate(1999, 12, 31));
    EXPECT_EQ(dialog.DateValue(), QDate(2000, 1, 1));
    dialog.DatePicker()->setDate(QDate(2100, 1, 1));
    EXPECT_EQ(dialog.DateValue(), QDate(2099, 12, 31));
}

TEST(CDateTimeDlg, OkKeepsTheChosenValuesAndCancelRejects) {
    CDateTimeDlg dialog;
    dialog.DatePicker()->setDate(QDate(2031, 5, 17));
    dialog.TimePicker()->setTime(QTime(8, 9, 10));
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.DateValue(), QDate(2031, 5, 17));
    EXPECT_EQ(dialog.TimeValue(), QTime(8, 9, 10));

    QTimer::singleShot(0, &dialog, [&dialog] {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("2")), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}

}  // namespace
}  // namespace terrovane::ui
