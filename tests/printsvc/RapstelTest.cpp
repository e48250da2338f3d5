// Runs the real rapstel program on the offscreen platform with its modal windows answered by its hooks.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "Fixtures.h"
#include "HandoffFiles.h"

namespace terrovane::printsvc {
namespace {

class RapstelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(Handoff()));
        ASSERT_TRUE(QDir().mkpath(Runtime()));
        // Both folders must be the user's own, whatever the umask made of them.
        QFile::setPermissions(Handoff(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(Runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const auto image = testing::ImageWith({{0, testing::SampleRecord(1)}, {1, testing::SampleRecord(6)}});
        ASSERT_TRUE(handoff::WriteRecordFileAt((Handoff() + "/data.inf").toStdString(), image));
    }
    QString Handoff() const { return dir_.path() + "/handoff"; }
    QString Runtime() const { return dir_.path() + "/runtime"; }

    // Starts rapstel; header is "accept" or "cancel", previewMs how long the preview stays open (-1: until
    // the process's standard input is closed).
    std::unique_ptr<QProcess> Start(const QString& header, int previewMs, const QStringList& arguments = {},
                                    const QString& lang = "C.UTF-8") {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TERROVANE_HANDOFF_DIR", Handoff());
        env.insert("XDG_RUNTIME_DIR", Runtime());
        env.insert("RAPSTEL_AUTO_HEADER", header);
        env.insert("RAPSTEL_AUTO_PREVIEW_MS",
                   previewMs < 0 ? QStringLiteral("stdin") : QString::number(previewMs));
        env.insert("RAPSTEL_AUTO_MESSAGES", "1");
        env.insert("LANG", lang);
        process->setProcessEnvironment(env);
        process->start(RAPSTEL_PATH, arguments);
        EXPECT_TRUE(process->waitForStarted(5000));
        return process;
    }

    static void ExpectCleanExit(QProcess& process, int timeoutMs = 30000) {
        ASSERT_TRUE(process.waitForFinished(timeoutMs)) << "rapstel did not end by itself";
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }

    QTemporaryDir dir_;
};

TEST_F(RapstelTest, CancelledHeaderStillPreviewsAndClosingThePreviewEndsTheProgram) {
    auto process = Start("cancel", 20);
    ExpectCleanExit(*process);
    EXPECT_FALSE(QFile::exists(Handoff() + "/set.inf"));  // Cancel writes nothing
    EXPECT_EQ(testing::ReadBytes((Handoff() + "/data.inf").toStdString()).size(), 7200u);  // left in place
}

TEST_F(RapstelTest, AcceptedHeaderKeepsTheRememberedTexts) {
    ASSERT_TRUE(handoff::SaveHeaderFileAt((Handoff() + "/set.inf").toStdString(), {"对象", "SN1", "Tester"}));
    auto process = Start("accept", 20);
    ExpectCleanExit(*process);
    const auto texts = handoff::LoadHeaderFileAt((Handoff() + "/set.inf").toStdString());
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->object, "对象");
    EXPECT_EQ(texts->tester, "Tester");
}

TEST_F(RapstelTest, SecondInstanceSaysSoAndEndsWhileTheFirstGoesOn) {
    auto first = Start("accept", -1);
    const QString lock = Runtime() + "/PreventSecondInstance.lock";
    for (int i = 0; i < 1000 && !QFile::exists(lock); ++i)
        QThread::msleep(10);
    ASSERT_TRUE(QFile::exists(lock));
    // The message in each language: the system's, and --lang over it.
    const std::vector<std::tuple<QStringList, QString, QString>> cases = {
        {{}, "C.UTF-8", "A print job is already running!"},
        {{}, "zh_CN.UTF-8", QString::fromUtf8("打印任务已启动!")},
        {{"--lang", "zh"}, "C.UTF-8", QString::fromUtf8("打印任务已启动!")},
        {{"--lang=en"}, "zh_CN.UTF-8", "A print job is already running!"},
        {{}, "de_DE.UTF-8", QString::fromUtf8("Ein Druckauftrag läuft bereits!")},
        {{"--lang", "de"}, "zh_CN.UTF-8", QString::fromUtf8("Ein Druckauftrag läuft bereits!")},
    };
    for (const auto& [arguments, lang, message] : cases) {
        auto second = Start("cancel", 100, arguments, lang);
        ASSERT_TRUE(second->waitForFinished(20000));
        EXPECT_EQ(QString::fromUtf8(second->readAllStandardOutput()).trimmed(), message)
            << lang.toStdString();
    }
    EXPECT_EQ(first->state(), QProcess::Running);
    first->closeWriteChannel();  // the first one's preview closes now
    ExpectCleanExit(*first);
}

TEST_F(RapstelTest, ABadLanguageIsRefusedBeforeAnythingShows) {
    auto process = Start("cancel", 100, {"--lang", "fr"});
    ASSERT_TRUE(process->waitForFinished(20000));
    EXPECT_EQ(process->exitCode(), 2);
    EXPECT_EQ(QString::fromUtf8(process->readAllStandardError()).trimmed(),
              "rapstel: --lang must be zh, en or de, not \"fr\"");
}

TEST_F(RapstelTest, LockLeftByACrashedInstanceDoesNotBlock) {
    QFile stale(Runtime() + "/PreventSecondInstance.lock");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("2147483000\nrapstel\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    auto process = Start("cancel", 20);
    ExpectCleanExit(*process);
    EXPECT_TRUE(process->readAllStandardOutput().isEmpty());
}

TEST_F(RapstelTest, PlantedHeaderLinkIsToldAndNeitherReadNorWrittenThrough) {
    const QString victim = dir_.path() + "/victim";
    ASSERT_TRUE(handoff::SaveHeaderFileAt(victim.toStdString(), {"secret", "", ""}));
    const auto before = testing::ReadBytes(victim.toStdString());
    ASSERT_TRUE(QFile::link(victim, Handoff() + "/set.inf"));
    auto process = Start("accept", 20);
    ExpectCleanExit(*process);
    EXPECT_EQ(QString::fromUtf8(process->readAllStandardOutput()).trimmed().toStdString(),
              (Handoff() + "/set.inf").toStdString() +
                  ": is a symbolic link, which is not followed; it is neither read nor replaced. Remove it.");
    EXPECT_EQ(testing::ReadBytes(victim.toStdString()), before);
}

TEST_F(RapstelTest, RuntimeFolderOpenToOthersIsToldAndTheReportStillRuns) {
    QFile::setPermissions(Runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadOther | QFile::ExeOther);
    auto process = Start("cancel", 20);
    ExpectCleanExit(*process);
    const std::string told = QString::fromUtf8(process->readAllStandardOutput()).trimmed().toStdString();
    EXPECT_EQ(told, "The runtime folder " + Runtime().toStdString() +
                        " is open to other users, so no instance lock is kept there; make it private with: "
                        "chmod 700 '" +
                        Runtime().toStdString() + "'");
    EXPECT_FALSE(QFile::exists(Runtime() + "/PreventSecondInstance.lock"));
}

}  // namespace
}  // namespace terrovane::printsvc
