// terrovane-cli sync stopped by Ctrl+C (SIGINT) while the server writes its first batch: the batch is
// kept, the program says it was cancelled and ends with status 1, and the next run brings it in sync.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "Archive.h"
#include "ArchiveFixtures.h"
#include "Members.h"
#include "SchemaSetup.h"
#include "ScratchFolder.h"
#include "ShellCommand.h"
#include "TableLock.h"

extern char** environ;

namespace terrovane::testing {
namespace {

// More read-outs than one batch holds (500), so a cancelled sync leaves some unsent.
constexpr int kReadOuts = 600;

// terrovane-cli as a process of its own, so a signal can reach it and nothing else.
class CliProcess {
  public:
    explicit CliProcess(const std::string& line) : output_(ScratchFolder() / "cli-output.txt") {
        const std::string shell = "exec " + line + " >" + ShellQuoted(output_.string()) + " 2>&1";
        const char* argv[] = {"/bin/sh", "-c", shell.c_str(), nullptr};
        if (posix_spawn(&pid_, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
            pid_ = -1;
        }
    }
    ~CliProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    bool Started() const { return pid_ > 0; }
    void Signal(int signal) const { ::kill(pid_, signal); }
    // Its exit status once it ended within `timeoutMs`; -1 when it did not end, or a signal ended it.
    int Wait(int timeoutMs) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return -1;
    }
    std::string Output() const {
        std::ifstream in(output_);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

  private:
    std::filesystem::path output_;
    pid_t pid_ = -1;
};

// Whether the report's table has the row with the value.
bool HasRow(const std::string& output, const std::string& row, const std::string& value) {
    return std::regex_search(output, std::regex("(^|\\n)" + row + " +" + value + "\\n"));
}

class SyncCliCancelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner_ = db_.Owner();
        ASSERT_NE(owner_, nullptr);
        ASSERT_EQ(team::SetUpSchema(*owner_).outcome, team::SetupOutcome::Created);
        ASSERT_TRUE(team::AddMember(*owner_, {db_.Login("ann"), team::MemberRole::Admin, "pw", {}}).Ok());
        std::filesystem::create_directories(ScratchFolder() / db_.Name());
        std::string error;
        auto archive = archive::Archive::Open(ArchivePath(), error);
        ASSERT_NE(archive, nullptr) << error;
        archive::testing::StoreReadOuts(*archive, 0, kReadOuts);
    }

    std::string ArchivePath() const { return (ScratchFolder() / db_.Name() / "ann").string(); }

    std::string SyncLine() const {
        return "env TERROVANE_ARCHIVE=" + ShellQuoted(ArchivePath()) + " " + ShellQuoted(TERROVANE_CLI_PATH) +
               " sync --server " + ShellQuoted(db_.TcpConninfo(db_.Login("ann"), "pw"));
    }

    std::string ServerReadOuts() const {
        return owner_->Query("SELECT count(*) FROM terrovane.content WHERE kind = 'readout'").Scalar();
    }

    ScratchDatabase db_;
    std::unique_ptr<pg::Connection> owner_;
};

TEST_F(SyncCliCancelTest, CtrlCStopsAfterTheBatchUnderWayAndTheNextRunGoesOn) {
    {
        TableLock lock(db_, "terrovane.content", "SHARE");
        ASSERT_TRUE(lock.Held());
        CliProcess cli(SyncLine());
        ASSERT_TRUE(cli.Started());
        ASSERT_TRUE(lock.WaitForWaiter()) << cli.Output();
        cli.Signal(SIGINT);
        lock.Release();
        EXPECT_EQ(cli.Wait(30000), 1) << cli.Output();
        EXPECT_NE(cli.Output().find("cancelled"), std::string::npos) << cli.Output();
        EXPECT_TRUE(HasRow(cli.Output(), "not sent yet", "100")) << cli.Output();
    }
    EXPECT_EQ(ServerReadOuts(), "500");

    CliProcess again(SyncLine());
    ASSERT_TRUE(again.Started());
    EXPECT_EQ(again.Wait(60000), 0) << again.Output();
    EXPECT_TRUE(HasRow(again.Output(), "in sync", "yes")) << again.Output();
    EXPECT_EQ(ServerReadOuts(), std::to_string(kReadOuts));
}

}  // namespace
}  // namespace terrovane::testing
