// Save and Print of the main dialog: the workbook read back by an independent reader, the hand-off file.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>

#include <gmock/gmock.h>

#include <cstdlib>

#include "CommandIds.h"
#include "DemoImage.h"
#include "DialogFixture.h"
#include "EventWait.h"
#include "LinkMessages.h"
#include "RecordTexts.h"

namespace terrovane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

QJsonArray ReadWorkbook(const QString& path) {
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(READ_SHEET_SCRIPT), path});
    reader.waitForFinished(20000);
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class OutputTest : public DialogFixture {
  protected:
    OutputTest() {
        // A stand-in print service on the PATH that only leaves a mark per start.
        QDir(dir_.path()).mkpath(QStringLiteral("bin"));
        const QString service = TempPath(QStringLiteral("bin/rapstel"));
        QFile script(service);
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\necho started >> \"$TERROVANE_HANDOFF_DIR/starts\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        oldPath_ = qgetenv("PATH");
        ::setenv("PATH", (TempPath(QStringLiteral("bin")).toUtf8() + ":" + oldPath_).constData(), 1);
        QDir(dir_.path()).mkpath(QStringLiteral("handoff"));
        // The user's own folder, whatever the umask made of it.
        QFile::setPermissions(TempPath(QStringLiteral("handoff")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    ~OutputTest() override { ::setenv("PATH", oldPath_.constData(), 1); }

    QString HandoffFile(const char* name) const { return TempPath(QStringLiteral("handoff/") + name); }
    // The stand-in runs detached: its marks are counted once `count` came, or at the deadline.
    int ServiceStartsOnceThereAre(int count) const {
        const auto starts = [this] {
            return static_cast<int>(FileBytes(HandoffFile("starts")).count("started"));
        };
        RunEventsUntil([&] { return starts() >= count; });
        return starts();
    }

    QByteArray oldPath_;
};

TEST_F(OutputTest, SaveWritesTheRecordsIntoTheChosenWorkbook) {
    const record::ReadOutBuffer image = sim::DemoImage();
    AsIfRead(image);
    const QString path = TempPath(QStringLiteral("results.xls"));
    dialog_->Parts().Workbook().fileChooser = [path] { return path; };
    dialog_->OnCommand(res::kCmdSave);
    EXPECT_TRUE(recorder_.Texts().empty());
    EXPECT_EQ(dialog_->Parts().Workbook().ExportPath(), path);
    EXPECT_FALSE(dialog_->Progress().IsOpen());
    EXPECT_TRUE(dialog_->isEnabled());
    EXPECT_EQ(FileBytes(HandoffFile("data.inf")),
              QByteArray(reinterpret_cast<const char*>(image.data()), 7200));

    const QJsonArray sheets = ReadWorkbook(path);
    ASSERT_EQ(sheets.size(), 2);
    EXPECT_EQ(sheets[0].toArray()[0].toString(), QStringLiteral("Sheet1"));
    EXPECT_EQ(sheets[1].toArray()[0].toString(), QStringLiteral("Sheet2"));
    const QJsonArray rows = sheets[0].toArray()[1].toArray();
    EXPECT_EQ(rows[0].toArray()[0].toString(), QStringLiteral("NO"));
    for (std::size_t slot = 0; slot < record::kSlotCount; ++slot) {
        const auto* record = dialog_->State().table.At(slot);
        const QJsonArray row =
            static_cast<int>(slot + 1) < rows.size() ? rows[int(slot + 1)].toArray() : QJsonArray();
        const QString number = row.isEmpty() ? QString() : row[0].toString();
        EXPECT_EQ(number.toStdString(), record ? format::SlotText(slot) : "") << slot;
        if (record) {
            EXPECT_EQ(row[2].toString().toStdString(), format::FormatRecordDate(*record)) << slot;
        }
    }
}

TEST_F(OutputTest, FailedSaveSaysSoAndCancelledSaveOnlyRefreshesTheHandoff) {
    AsIfRead(sim::DemoImage());
    const QString missing = TempPath(QStringLiteral("missing/folder/results.xls"));
    dialog_->Parts().Workbook().fileChooser = [missing] { return missing; };
    dialog_->OnCommand(res::kCmdSave);
    // One sentence with the file and the reason; there was no earlier file to speak of.
    EXPECT_THAT(recorder_.Texts(), ElementsAre("The workbook could not be saved as \"" +
                                               missing.toStdString() + "\" (No such file or directory)."));
    EXPECT_FALSE(dialog_->Progress().IsOpen());
    EXPECT_TRUE(dialog_->isEnabled());

    QFile::remove(HandoffFile("data.inf"));
    const QString failedPath = dialog_->Parts().Workbook().ExportPath();
    dialog_->Parts().Workbook().fileChooser = [] { return QString(); };
    dialog_->OnCommand(res::kCmdSave);
    EXPECT_EQ(FileBytes(HandoffFile("data.inf")).size(), 7200);
    EXPECT_EQ(dialog_->Parts().Workbook().ExportPath(), failedPath);
}

// data.inf is only for the print service: when it cannot be written Save warns and still saves.
TEST_F(OutputTest, BrokenHandoffFolderIsToldAndTheWorkbookIsStillSaved) {
    AsIfRead(sim::DemoImage());
    const QString handoff = TempPath(QStringLiteral("handoff"));
    QFile::setPermissions(handoff, QFileDevice::Permissions(0x7777));  // anyone may write: refused
    const QString path = TempPath(QStringLiteral("results.xls"));
    dialog_->Parts().Workbook().fileChooser = [path] { return path; };
    dialog_->OnCommand(res::kCmdSave);
    QFile::setPermissions(handoff, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(recorder_.Texts().size(), 1u);
    EXPECT_THAT(recorder_.Texts()[0], StartsWith("Cannot write data.inf.\nThe hand-off folder "));
    EXPECT_FALSE(QFile::exists(HandoffFile("data.inf")));
    EXPECT_EQ(ReadWorkbook(path).size(), 2);
    EXPECT_EQ(dialog_->Parts().Workbook().ExportPath(), path);
    EXPECT_TRUE(dialog_->isEnabled());
}

TEST_F(OutputTest, PrintHandsTheImageToTheServiceEachTime) {
    record::ReadOutBuffer empty{};  // no occupied slot still goes to the service
    AsIfRead(empty);
    dialog_->OnCommand(res::kCmdPrint);
    dialog_->OnCommand(res::kCmdPrint);
    EXPECT_EQ(FileBytes(HandoffFile("data.inf")), QByteArray(7200, '\0'));
    EXPECT_EQ(ServiceStartsOnceThereAre(2), 2);
    EXPECT_TRUE(recorder_.Texts().empty());
}

// A print service that is there but cannot run: the user is told which program and why, every time.
TEST_F(OutputTest, PrintSaysWhyThePrintServiceCouldNotBeStarted) {
    QFile service(TempPath(QStringLiteral("bin/rapstel")));
    ASSERT_TRUE(service.open(QIODevice::WriteOnly | QIODevice::Truncate));
    service.write("#!/nonexistent/interpreter\n");
    service.close();
    AsIfRead(sim::DemoImage());
    dialog_->OnCommand(res::kCmdPrint);
    ASSERT_EQ(recorder_.Texts().size(), 1u);
    EXPECT_EQ(recorder_.Texts()[0],
              "The print service \"rapstel\" could not be started, so nothing was printed: " +
                  service.fileName().toStdString() + ": execv: No such file or directory.");
    EXPECT_EQ(FileBytes(HandoffFile("data.inf")).size(), 7200);
}

TEST_F(OutputTest, SaveAndPrintWithoutDataWriteNothing) {
    dialog_->OnCommand(res::kCmdSave);
    dialog_->OnCommand(res::kCmdPrint);
    EXPECT_THAT(recorder_.Texts(), ElementsAre(link::kNoDataReadFirst, link::kNoDataReadFirst));
    EXPECT_FALSE(QFile::exists(HandoffFile("data.inf")));
    // A start from the Print without data would have been launched before this one.
    record::ReadOutBuffer empty{};
    AsIfRead(empty);
    dialog_->OnCommand(res::kCmdPrint);
    EXPECT_EQ(ServiceStartsOnceThereAre(1), 1);
}

}  // namespace
}  // namespace terrovane::testing
