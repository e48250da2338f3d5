#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ByteCompare.h"
#include "Fixtures.h"
#include "HandoffDir.h"
#include "HandoffFiles.h"
#include "MessageRecorder.h"
#include "PrintHandoff.h"

namespace terrovane::app {
namespace {

using testing::ImageWith;
using testing::ReadBytes;

class PrintHandoffTest : public ::testing::Test {
  protected:
    void SetUp() override { qputenv("TERROVANE_HANDOFF_DIR", QFile::encodeName(dir_.path() + "/handoff")); }
    void TearDown() override { qunsetenv("TERROVANE_HANDOFF_DIR"); }
    std::string Path(const char* name) const { return platform::HandoffPath(name).value(); }

    QTemporaryDir dir_;
};

TEST_F(PrintHandoffTest, PrintWithoutDataSaysSoAndWritesNothing) {
    testing::MessageRecorder messages;
    EXPECT_EQ(PrintRecords(false, ImageWith({})), PrintHandoffResult::NoData);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"No data，please read firstly"});
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path(handoff::kRecordFileName))));
}

TEST_F(PrintHandoffTest, MissingServiceIsNamedWithTheReasonAndTheRecordFileIsStillWritten) {
    testing::MessageRecorder messages;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir_.path()));
    const auto image = ImageWith({});  // no occupied slot still hands over 7200 bytes
    EXPECT_EQ(PrintRecords(true, image), PrintHandoffResult::ServiceNotStarted);
    qputenv("PATH", path);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{
                  "The print service \"rapstel\" could not be started, so nothing was printed: "
                  "it is neither in " +
                  QCoreApplication::applicationDirPath().toStdString() + " nor on the PATH."});
    EXPECT_TRUE(testing::BytesEqual(image, ReadBytes(Path(handoff::kRecordFileName))));
}

TEST_F(PrintHandoffTest, RefusedHandoffFolderIsToldAndNothingIsStarted) {
    const std::string folder = platform::HandoffDir().value();
    ::chmod(folder.c_str(), 0777);
    testing::MessageRecorder messages;
    EXPECT_EQ(PrintRecords(true, ImageWith({})), PrintHandoffResult::WriteFailed);
    ::chmod(folder.c_str(), 0700);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], "Cannot write data.inf, nothing was printed.\nThe hand-off folder " +
                                       folder +
                                       " can be written by other users, so it is not used; make it yours "
                                       "alone with: chmod go-w '" +
                                       folder + "'");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path(handoff::kRecordFileName))));
}

}  // namespace
}  // namespace terrovane::app
