// The main window holds the instrument's port only while a command runs: after a read-out, a clock
// setting and an erase, the command line reads the instrument while the window stays open and idle. A
// cancelled erase question keeps the port, as it always has, until the next command; the command line's
// refusal then names the window's program and says how to free the port.
#include <QApplication>
#include <QTimer>

#include <sys/prctl.h>
#include <unistd.h>

#include <gmock/gmock.h>

#include "CDateTimeDlg.h"
#include "CommandIds.h"
#include "DialogFixture.h"
#include "InstrumentSession.h"
#include "LinkMessages.h"
#include "ShellCommand.h"

namespace terrovane::testing {
namespace {

using ::testing::HasSubstr;

class PortFreeTest : public DialogFixture {
  protected:
    // `terrovane-cli read` on the fixture's port map, at a pace the simulator allows, archiving nothing.
    CommandOutput CommandLineRead() {
        return ::terrovane::testing::RunCommand(
            "timeout 60 env QT_QPA_PLATFORM=offscreen TERROVANE_LINK_PACING=100,1,early TERROVANE_PORTMAP=" +
            ShellQuoted(PortMapPath()) + " " + ShellQuoted(TERROVANE_CLI_PATH) + " read --no-archive --out " +
            ShellQuoted(TempPath(QStringLiteral("cli.bin")).toStdString()) + " 2>&1");
    }
    void AcceptClockDialogs() {
        QObject::connect(&clockAccepter_, &QTimer::timeout, [] {
            if (auto* clock = qobject_cast<ui::CDateTimeDlg*>(QApplication::activeModalWidget()))
                clock->accept();
        });
        clockAccepter_.start(20);
    }

    QTimer clockAccepter_;
};

TEST_F(PortFreeTest, AfterEachCommandTheCommandLineReadsTheInstrumentWhileTheWindowStaysOpen) {
    PlugIn();
    ASSERT_TRUE(ReadOut());
    EXPECT_FALSE(dialog_->Session().PortOpen());
    CommandOutput run = CommandLineRead();
    EXPECT_EQ(run.status, 0) << "after a read-out: " << run.text;

    AcceptClockDialogs();
    RunCommand(res::kCmdDateTime);
    EXPECT_FALSE(dialog_->Session().PortOpen());
    run = CommandLineRead();
    EXPECT_EQ(run.status, 0) << "after setting the clock: " << run.text;

    recorder_.AnswerNext(platform::MessageResult::Ok);
    RunCommand(res::kCmdEraseCurrent);
    EXPECT_FALSE(dialog_->Session().PortOpen());
    run = CommandLineRead();
    EXPECT_EQ(run.status, 0) << "after erasing a result: " << run.text;
}

TEST_F(PortFreeTest, ACancelledEraseKeepsThePortAndTheRefusalSaysWhoHoldsItAndWhatToDo) {
    PlugIn();
    ASSERT_TRUE(ReadOut());
    recorder_.AnswerNext(platform::MessageResult::Cancel);
    RunCommand(res::kCmdEraseAll);
    ASSERT_TRUE(dialog_->Session().PortOpen());  // as the window always did

    // The refusal as a user meets it: the holder is the program called Terrovane.
    char name[16] = {};
    ::prctl(PR_GET_NAME, name);
    ::prctl(PR_SET_NAME, "Terrovane");
    const CommandOutput refused = CommandLineRead();
    ::prctl(PR_SET_NAME, name);
    EXPECT_EQ(refused.status, 1);
    EXPECT_THAT(refused.text, HasSubstr(link::kCannotOpenPort));
    EXPECT_THAT(refused.text, HasSubstr("in use by Terrovane (pid " + std::to_string(::getpid()) + ")"));
    EXPECT_THAT(refused.text, HasSubstr("run a command there (such as Read), or close Terrovane"));

    // Its next command frees the port again.
    recorder_.AnswerNext(platform::MessageResult::Ok);  // read again
    ASSERT_TRUE(ReadOut());
    EXPECT_FALSE(dialog_->Session().PortOpen());
    const CommandOutput run = CommandLineRead();
    EXPECT_EQ(run.status, 0) << run.text;
}

}  // namespace
}  // namespace terrovane::testing
