// Several programs on one archive at once: the main window reading out, two command lines labelling
// results and one listing the history, all in loops. No writer may meet "database is locked", every
// label written must be there afterwards, and the file must stay sound. The loops run for
// TERROVANE_MANY_USERS_SECONDS (2 by default, which is some dozens of writes by each, so the suite stays
// fast; 30 to 60 for a real soak).
#include <QElapsedTimer>
#include <QProcess>

#include <map>
#include <sstream>

#include <gmock/gmock.h>

#include "ArchiveFixtures.h"
#include "ArchiveHook.h"
#include "DialogFixture.h"
#include "LinkMessages.h"

namespace terrovane::testing {
namespace {

int Seconds() {
    const int seconds = qEnvironmentVariableIntValue("TERROVANE_MANY_USERS_SECONDS");
    return seconds > 0 ? seconds : 2;
}

// A shell loop of terrovane-cli commands until the deadline; each labeller labels its own results in turn
// and prints every label it was told was written.
QProcess* Loop(QObject* parent, const QString& body, int seconds) {
    auto* process = new QProcess(parent);
    process->setProgram(QStringLiteral("/bin/bash"));
    process->setArguments({QStringLiteral("-c"), QStringLiteral("cli='%1'; end=$((SECONDS + %2)); i=0; "
                                                                "while [ $SECONDS -lt $end ]; do %3; "
                                                                "i=$((i + 1)); done")
                                                     .arg(QStringLiteral(TERROVANE_CLI_PATH))
                                                     .arg(seconds)
                                                     .arg(body)});
    process->start();
    return process;
}

class ManyUsersTest : public DialogFixture {};

TEST_F(ManyUsersTest, TheWindowTwoLabellersAndAListingShareOneArchive) {
    dialog_->Archive().enabled = [] { return true; };
    PlugIn();
    ASSERT_TRUE(ReadOut());
    const int results = dialog_->State().table.OccupiedCount();
    ASSERT_GE(results, 4);
    const int seconds = Seconds();
    // Labeller A takes the first half of the results, B the second.
    const auto labeller = [&](const QString& name, int first, int count) {
        return Loop(
            this->dialog_.get(),
            QStringLiteral("id=$((%1 + i % %2)); \"$cli\" history label $id %3-$i && echo \"$id %3-$i\"")
                .arg(first)
                .arg(count)
                .arg(name),
            seconds);
    };
    QProcess* a = labeller(QStringLiteral("A"), 1, results / 2);
    QProcess* b = labeller(QStringLiteral("B"), 1 + results / 2, results - results / 2);
    QProcess* listing = Loop(
        dialog_.get(), QStringLiteral("\"$cli\" history --format json > /dev/null || echo failed"), seconds);
    int readOuts = 1;
    int failedReadOuts = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000) {
        recorder_.AnswerNext(platform::MessageResult::Ok);  // "read again?"
        // A link slowed down by a loaded machine may fail a read-out; what is accepted must be kept.
        if (ReadOut()) {
            ++readOuts;
        } else {
            ++failedReadOuts;
        }
    }
    std::map<int, std::string> lastLabel;
    int writes = 0;
    for (QProcess* process : {a, b, listing}) {
        // It may have ended already, while the window's read-outs ran the event loop.
        ASSERT_TRUE(process->state() == QProcess::NotRunning ||
                    process->waitForFinished((seconds + 30) * 1000));
        EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
        const std::string errors = process->readAllStandardError().toStdString();
        EXPECT_THAT(errors, ::testing::Not(::testing::HasSubstr("locked"))) << errors;
        EXPECT_TRUE(errors.empty()) << errors;
        std::istringstream out(process->readAllStandardOutput().toStdString());
        int id = 0;
        std::string label;
        while (out >> id >> label) {
            lastLabel[id] = label;
            ++writes;
        }
    }
    // Each read-out was kept: the window said nothing about the archive.
    EXPECT_THAT(recorder_.Texts(), ::testing::Each(::testing::Not(::testing::HasSubstr("archive"))));
    ASSERT_FALSE(lastLabel.empty());
    for (const auto& [id, label] : lastLabel) {
        EXPECT_EQ(archive::testing::ReadArchive(
                      ArchivePath(),
                      "SELECT l.text FROM results r JOIN labels l ON l.id = r.label_id WHERE r.id = " +
                          std::to_string(id)),
                  "[[\"" + label + "\"]]");
    }
    EXPECT_EQ(archive::testing::ReadArchive(ArchivePath(), "SELECT count(*) FROM readouts"),
              "[[" + std::to_string(readOuts) + "]]");
    EXPECT_EQ(archive::testing::ReadArchive(ArchivePath(), "PRAGMA integrity_check"), R"([["ok"]])");
    std::printf(
        "many users: %d s, %d read-outs by the window (%d failed on the link), %d labels written by two "
        "command lines\n",
        seconds, readOuts, failedReadOuts, writes);
}

}  // namespace
}  // namespace terrovane::testing
