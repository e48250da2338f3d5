#include <QApplication>
#include <QCalendarWidget>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include "CInfoSetDlg.h"
#include "Fixtures.h"
#include "GbkText.h"
#include "HandoffFiles.h"
#include "RecordTable.h"
#include "ReportPdf.h"
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

// Typed as an input method delivers text: German, French, Polish and Chinese headers go through the
// dialog to the PDF letter for letter, are offered again as typed, and set.inf keeps its GBK fields for
// its other readers.
TEST_F(InfoSetDlgTest, EveryLetterReachesThePdfAndIsOfferedAgain) {
    struct Header {
        QString object, serial, tester;
    };
    const Header headers[] = {
        {QStringLiteral("Werk Straße 5"), QStringLiteral("Ø12 rod"), QStringLiteral("Jörg")},
        {QStringLiteral("Écluse de Saint-Étienne"), QStringLiteral("N° 7 œuvre"), QStringLiteral("François")},
        {QStringLiteral("Stacja Łódź Źródło"), QStringLiteral("Nr 5 ręczny"), QStringLiteral("Michał Żak")},
        {QStringLiteral("北京东区变电站接地网"), QStringLiteral("仪表 A7"), QStringLiteral("王工程师")},
    };
    const auto commit = [](QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->clear();
        QInputMethodEvent typed;
        typed.setCommitString(text);
        QApplication::sendEvent(edit, &typed);
    };
    for (const Header& header : headers) {
        SCOPED_TRACE(header.object.toStdString());
        CInfoSetDlg dialog;
        Run(dialog, [&](CInfoSetDlg& d) {
            commit(d.ObjectEdit(), header.object);
            commit(d.SerialNumberEdit(), header.serial);
            commit(d.TesterEdit(), header.tester);
            d.accept();
        });
        EXPECT_EQ(QString::fromStdString(dialog.HeaderInfo().tester), header.tester);
        const std::string pdf = (dir_.path() + "/report.pdf").toStdString();
        record::RecordTable table;
        table.Set(0, testing::SampleRecord(1));
        std::string error;
        ASSERT_TRUE(report::RenderReportPdf(table, dialog.HeaderInfo(), pdf, &error)) << error;
        const QString text = QString::fromStdString(testing::PdfText(pdf));
        for (const QString& typed : {header.object, header.serial, header.tester})
            EXPECT_TRUE(text.contains(typed)) << typed.toStdString() << " in\n" << text.toStdString();

        CInfoSetDlg next;
        Run(next, [](CInfoSetDlg& d) { d.reject(); });
        EXPECT_EQ(next.ObjectEdit()->text(), header.object);
        EXPECT_EQ(next.SerialNumberEdit()->text(), header.serial);
        EXPECT_EQ(next.TesterEdit()->text(), header.tester);
        // set.inf itself stays three GBK fields: what GBK lacks is its "?", as its readers always saw.
        const auto bytes = testing::ReadBytes(SetInf());
        ASSERT_EQ(bytes.size(), 768u);
        const auto asRead =
            handoff::ParseHeaderBytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), 768));
        ASSERT_TRUE(asRead);
        EXPECT_EQ(asRead->object, platform::GbkToUtf8(platform::Utf8ToGbk(header.object.toStdString())));
    }
}

// A program that knows only set.inf writes another header: set.json no longer agrees and is passed over.
TEST_F(InfoSetDlgTest, ALaterSetInfFromAnotherProgramWinsOverTheTypedTexts) {
    ASSERT_TRUE(handoff::SaveHeaderFileAt(SetInf(), {"Werk Straße 5", "S1", "Jörg"}));
    EXPECT_EQ(handoff::LoadHeaderFileAt(SetInf())->object, "Werk Straße 5");
    std::vector<std::uint8_t> older(768, 0);
    const std::string other = "Plant B";
    std::copy(other.begin(), other.end(), older.begin());
    testing::WriteBytes(SetInf(), older);
    const auto texts = handoff::LoadHeaderFileAt(SetInf());
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->object, "Plant B");
    EXPECT_EQ(texts->tester, "");
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
