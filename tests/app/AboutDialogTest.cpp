#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "CAboutDlg.h"
#include "DialogLayout.h"

namespace terrovane::app {
namespace {

TEST(AboutDialog, ShowsEveryTextExactlyAndCloses) {
    CAboutDlg about;
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            texts << label->text();
        }
    }
    const QStringList expected = {
        QStringLiteral("接地电阻测试仪v1.0 "),
        QStringLiteral("本软件主要包括如下功能："),
        QStringLiteral("1.读取:将测试仪中的数据读入PC并以图形方式显示; "),
        QStringLiteral("2.保存:将测试仪中的数据保存至Excel表;"),
        QStringLiteral("3.打印:将测试仪中的数据以表格方式打印;"),
        QStringLiteral("4.显示:连续按该按钮可以实现循环显示一组数据;"),
        QStringLiteral("5.设置:对测试仪中的时间日期进行设置;"),
        QStringLiteral("6.删除:对测试仪中的一组或所有数据进行删除;"),
        QStringLiteral("7.退出:终止本程序."),
    };
    EXPECT_EQ(texts, expected);
    const auto* icon = about.findChild<QLabel*>(QStringLiteral("128"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_EQ(about.size(), AboutDialogSize(units::DialogUnits(about.font())));

    auto* close = about.findChild<QPushButton*>(QStringLiteral("1"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("退出"));
    QTimer::singleShot(0, &about, [close] { QTest::mouseClick(close, Qt::LeftButton); });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

}  // namespace
}  // namespace terrovane::app
