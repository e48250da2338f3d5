// A command that cannot reach the port keeps its message and offers the doctor's findings as details.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include "GuiMessageBox.h"
#include "LanguageChoice.h"
#include "LinkMessages.h"
#include "MessageBox.h"

namespace terrovane::app {
namespace {

struct Shown {
    QString text;
    QString details;
};

// Shows the message through the GUI handler and reads the box while it is open, then closes it.
Shown ShowThroughGui(const std::string& text, int& diagnoses) {
    const platform::MessageHandler previous = platform::SetMessageHandler({});
    InstallGuiMessageHandler([&diagnoses] {
        ++diagnoses;
        return std::string("[FAIL] access: /dev/ttyUSB0 (owner root, group dialout, crw-rw----)\n");
    });
    Shown shown;
    QTimer::singleShot(0, [&shown] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
                shown = {box->text(), box->detailedText()};
                box->accept();
            }
        }
    });
    platform::Alert(text);
    platform::SetMessageHandler(previous);
    return shown;
}

TEST(MessageBoxDetails, PortFailuresKeepTheirTextAndCarryTheFindings) {
    for (const std::string& text :
         {std::string(link::kDriverError),
          std::string(link::kCannotOpenPort) + "\nCOM1 (/dev/ttyUSB0): Permission denied"}) {
        SCOPED_TRACE(text);
        int diagnoses = 0;
        const Shown shown = ShowThroughGui(text, diagnoses);
        EXPECT_EQ(shown.text, QString::fromStdString(text));
        EXPECT_EQ(shown.details, "[FAIL] access: /dev/ttyUSB0 (owner root, group dialout, crw-rw----)\n");
        EXPECT_EQ(diagnoses, 1);
    }
}

TEST(MessageBoxDetails, OtherMessagesRunNoDiagnosis) {
    for (const char* text : {link::kReadOk, link::kNoHandshakeReply, link::kReadError}) {
        SCOPED_TRACE(text);
        int diagnoses = 0;
        const Shown shown = ShowThroughGui(text, diagnoses);
        EXPECT_EQ(shown.text, QString::fromUtf8(text));
        EXPECT_TRUE(shown.details.isEmpty());
        EXPECT_EQ(diagnoses, 0);
    }
}

TEST(MessageBoxDetails, SystemDiagnosisLeavesOutTheHandshake) {
    const std::string details = SystemDiagnosis();
    EXPECT_NE(details.find("port map: "), std::string::npos);
    EXPECT_EQ(details.find("handshake"), std::string::npos);
}

// The window's findings are worded by the same text layer as the command line's, in the running language.
TEST(MessageBoxDetails, SystemDiagnosisIsSaidInTheRunningLanguage) {
    ASSERT_TRUE(translations::InstallLanguage(translations::Language::German));
    const std::string german = SystemDiagnosis();
    ASSERT_TRUE(translations::InstallLanguage(translations::Language::Chinese));
    const std::string chinese = SystemDiagnosis();
    translations::InstallLanguage(translations::Language::English);
    EXPECT_NE(german.find("] Schnittstellenzuordnung: "), std::string::npos) << german;
    EXPECT_NE(chinese.find("] 端口映射: "), std::string::npos) << chinese;
}

}  // namespace
}  // namespace terrovane::app
