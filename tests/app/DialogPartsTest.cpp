// The main window's parts on their own, built on only what each of them is given.
#include <QCoreApplication>
#include <QDialog>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "CMenuEx.h"
#include "CommandIds.h"
#include "LanguageMenu.h"
#include "MenuResource.h"
#include "MessageRecorder.h"
#include "ProgressSlot.h"
#include "Settings.h"
#include "WorkbookSave.h"

namespace terrovane::app {
namespace {

void UseOwnSettings(const char* name) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("TerrovaneTests"));
    QCoreApplication::setApplicationName(QString::fromLatin1(name) + QStringLiteral("-") +
                                         QString::number(QCoreApplication::applicationPid()));
    QSettings().clear();
}

std::vector<int> CheckedLanguages(const menu::CMenuEx& menu) {
    std::vector<int> checked;
    for (const int id : {res::kCmdLanguageChinese, res::kCmdLanguageEnglish, res::kCmdLanguageGerman}) {
        const QAction* item = menu.Action(id);
        if (item != nullptr && item->isChecked())
            checked.push_back(id);
    }
    return checked;
}

// Only one language is ever checked; a choice other than the running language is remembered and said to
// take effect at the next start, and a command that names no language changes nothing.
TEST(DialogParts, LanguageMenuChecksOneLanguageAndRemembersTheChoice) {
    UseOwnSettings("languages");
    QDialog window;
    menu::CMenuEx menu(&window);
    ASSERT_TRUE(menu.LoadMenu(res::kMainMenuResource));
    testing::MessageRecorder messages;

    LanguageMenu languages(menu);
    EXPECT_EQ(CheckedLanguages(menu), std::vector<int>{res::kCmdLanguageChinese});

    languages.Choose(res::kCmdLanguageGerman);
    EXPECT_EQ(CheckedLanguages(menu), std::vector<int>{res::kCmdLanguageGerman});
    EXPECT_EQ(platform::Settings().Language(), QStringLiteral("de"));
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_NE(messages.Texts()[0].find("next start"), std::string::npos);

    languages.Choose(res::kCmdSave);
    EXPECT_EQ(CheckedLanguages(menu), std::vector<int>{res::kCmdLanguageGerman});
    EXPECT_EQ(platform::Settings().Language(), QStringLiteral("de"));
    EXPECT_EQ(messages.Texts().size(), 1u);
    QSettings().clear();
}

// Save before anything was read says so and asks for no file: the path of an earlier save is kept.
TEST(DialogParts, WorkbookSaveWithNothingReadAsksForNoFile) {
    const record::ReadOutState nothingRead{};
    QDialog owner;
    ui::ProgressSlot progress(&owner);
    WorkbookSave save(nothingRead, progress, owner);
    int asked = 0;
    save.fileChooser = [&asked] {
        ++asked;
        return QStringLiteral("never.xls");
    };
    testing::MessageRecorder messages;
    save.Run();
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(save.ExportPath().isEmpty());
    EXPECT_EQ(messages.Texts().size(), 1u);
    EXPECT_FALSE(progress.IsOpen());
}

}  // namespace
}  // namespace terrovane::app
