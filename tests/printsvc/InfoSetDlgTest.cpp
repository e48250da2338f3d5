#include <QCalendarWidget>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include "CInfoSetDlg.h"
#include "Fixtures.h"
#include "HandoffFiles.h"
#include "TabChain.h"

namespace terrovane::printsvc {
namespace {

class InfoSetDlgTest : public ::testing::Test {
  protected:
    void SetUp() override { qputenv("TERROVANE_HANDOFF_DIR", QFile::encodeName(dir_.path())); }
    void TearDown() override { qunsetenv("TERROVANE_HANDOFF_DIR"); }
    std::string SetInf() const { return (dir_.path() + "/set.inf").toStdString(); }

    // Shows the dialog modally, lets `act` work on it once shown, and returns the dialog's result.
    template <typename Act>
    int Run(CInfoSetDlg& dialog, Act act) {
        QTimer::singleShot(0, &dialog, [&] { act(dialog); });
        return dialog.exec();
    }

    QTemporaryDir dir_;
};

// The three edits, the calendar and both buttons are reached by Tab, which wraps.
TEST_F(InfoSetDlgTest, TabReachesEveryControl) {
    CInfoSetDlg dialog;
    EXPECT_EQ(testing::TabChainProblems(&dialog), "");
}

TEST_F(InfoSetDlgTest, OkWithEmptyEditsWritesZeroFileAndTheCalendarDate) {
    CInfoSetDlg dialog;
    const int result = Run(dialog, [](CInfoSetDlg& d) {
        d.Calendar()->setSelectedDate(QDate(2009, 1, 15));
        d.accept();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(testing::ReadBytes(SetInf()), std::vector<std::uint8_t>(768, 0));
    EXPECT_EQ(dialog.HeaderInfo().object, "");
    EXPECT_EQ(dialog.HeaderInfo().date, "2009-01-15");
}

TEST_F(InfoSetDlgTest, CancelKeepsThePreviousTextsAndLeavesTheDateEmpty) {
    ASSERT_TRUE(handoff::SaveHeaderFileAt(SetInf(), {"接地网", "SN7", "王工"}));
    CInfoSetDlg dialog;
    std::string shownObject;
    Run(dialog, [&](CInfoSetDlg& d) {
        shownObject = d.ObjectEdit()->text().toStdString();
        EXPECT_EQ(d.Calendar()->selectedDate(), QDate::currentDate());
        d.ObjectEdit()->setText("typed but cancelled");
        d.reject();
    });
    EXPECT_EQ(shownObject, "接地网");
    EXPECT_EQ(dialog.HeaderInfo().object, "接地网");
    EXPECT_EQ(dialog.HeaderInfo().tester, "王工");
    EXPECT_EQ(dialog.HeaderInfo().date, "");
    EXPECT_EQ(handoff::LoadHeaderFileAt(SetInf())->object, "接地网");
}

TEST_F(InfoSetDlgTest, EditsAreLimitedInCharacters) {
    CInfoSetDlg dialog;
    EXPECT_EQ(dialog.ObjectEdit()->maxLength(), 32);
    EXPECT_EQ(dialog.SerialNumberEdit()->maxLength(), 16);
    EXPECT_EQ(dialog.TesterEdit()->maxLength(), 12);
    Run(dialog, [](CInfoSetDlg& d) {
        d.TesterEdit()->setText(QString(20, QChar(0x6D4B)));  // 20 Chinese characters typed or pasted
        d.accept();
    });
    const auto texts = handoff::LoadHeaderFileAt(SetInf());
    ASSERT_TRUE(texts);
    EXPECT_EQ(QString::fromStdString(texts->tester).size(), 12);
}

}  // namespace
}  // namespace terrovane::printsvc
