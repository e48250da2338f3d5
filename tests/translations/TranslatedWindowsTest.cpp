// The print service's header dialog and the about box in English, with every text inside its control, and
// unchanged in Chinese.
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "CAboutDlg.h"
#include "CInfoSetDlg.h"
#include "HistoryColumns.h"
#include "LanguageChoice.h"

namespace terrovane::translations {
namespace {

QStringList Texts(const QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            texts << label->text().trimmed();
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        texts << button->text();
    return texts;
}

TEST(TranslatedWindowsTest, TheHeaderDialogAsksInEnglish) {
    ASSERT_TRUE(InstallLanguage(Language::English));
    printsvc::CInfoSetDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Report Header");
    EXPECT_EQ(Texts(dialog),
              QStringList({"Test object", "Instrument number", "Tester", "Date", "OK", "Cancel"}));
}

TEST(TranslatedWindowsTest, TheHeaderDialogStaysChineseInChinese) {
    ASSERT_TRUE(InstallLanguage(Language::Chinese));
    printsvc::CInfoSetDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("打印信息设置"));
    EXPECT_EQ(Texts(dialog), QString::fromUtf8("测试对象,仪表编号,测试人,日期,确定,取消").split(','));
}

TEST(TranslatedWindowsTest, TheEnglishAboutBoxFitsEveryLineAndClosesWithClose) {
    ASSERT_TRUE(InstallLanguage(Language::English));
    app::CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Terrovane");
    const QStringList texts = Texts(about);
    ASSERT_EQ(texts.size(), 10);
    EXPECT_EQ(texts.front(), "Earth/Ground Resistance Tester v1.0");
    EXPECT_EQ(texts.back(), "Close");
    // The box is laid out in fixed dialog units: a translation longer than its label would be cut off.
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->text().toStdString();
    }
}

// The archive window titles its columns with the workbook's texts, which keep their bytes in the file:
// on screen they are translated like every other title.
TEST(TranslatedWindowsTest, TheArchiveWindowsColumnTitlesAreEnglishInEnglish) {
    ASSERT_TRUE(InstallLanguage(Language::English));
    const QStringList english = history::HistoryHeaders();
    EXPECT_TRUE(english.contains("Date"));
    EXPECT_TRUE(english.contains("Time"));
    for (const QString& title : english) {
        for (const QChar c : title)
            EXPECT_FALSE(c.script() == QChar::Script_Han) << title.toStdString();
    }
}

TEST(TranslatedWindowsTest, TheArchiveWindowsColumnTitlesStayAsTheWorkbooksInChinese) {
    ASSERT_TRUE(InstallLanguage(Language::Chinese));
    EXPECT_TRUE(history::HistoryHeaders().contains(QString::fromUtf8("日期(Date)")));
}

}  // namespace
}  // namespace terrovane::translations
