// Exclusive use of the port: a second opener, in this process or another, root included, is refused with
// the name of the process that holds the port.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "CMSComm.h"
#include "PortHolder.h"
#include "PtyPair.h"

extern char** environ;

namespace terrovane::link {
namespace {

using namespace std::chrono_literals;
using testing::PtyPair;

std::string ProcFile(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A program of its own process group, so it and anything it starts end together.
class ChildProcess {
  public:
    ChildProcess(std::vector<std::string> arguments, const std::string& stdinPath = {}) {
        std::vector<char*> argv;
        for (auto& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&attributes, 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (!stdinPath.empty())
            posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, stdinPath.c_str(), O_RDONLY | O_NOCTTY,
                                             0);
        if (posix_spawn(&pid_, argv[0], &actions, &attributes, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    ~ChildProcess() {
        if (pid_ > 0) {
            ::kill(-pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    pid_t Pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
};

bool WaitFor(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + 3s;
    while (!condition() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    return condition();
}

TEST(PortHolderTest, LockOwnerIsReadFromTheKernelsLockList) {
    const dev_t fileSystem = makedev(0, 0x1a);
    const std::string locks =
        "1: POSIX  ADVISORY  WRITE 111 00:1a:5 0 EOF\n"  // a record lock, not a whole-file one
        "2: FLOCK  ADVISORY  WRITE 222 00:1a:6 0 EOF\n"  // another file
        "2: -> FLOCK  ADVISORY  WRITE 333 00:1a:5 0 EOF\n"
        "3: FLOCK  ADVISORY  WRITE 444 00:1a:5 0 EOF\n";
    EXPECT_EQ(FlockHolderIn(locks, fileSystem, 5), 444);
    EXPECT_EQ(FlockHolderIn(locks, fileSystem, 7), std::nullopt);
    EXPECT_EQ(FlockHolderIn(locks, makedev(8, 1), 5), std::nullopt);
    EXPECT_EQ(FlockHolderIn("garbage\n4: FLOCK\n\n", fileSystem, 5), std::nullopt);
    EXPECT_EQ(FlockHolderIn("5: FLOCK  ADVISORY  WRITE 555 ab:10:99 0 EOF\n", makedev(0xab, 0x10), 99), 555);
}

TEST(PortHolderTest, SecondOpenerInThisProcessIsRefusedUntilTheFirstCloses) {
    PtyPair pty;
    CMSComm first;
    CMSComm second;
    for (CMSComm* comm : {&first, &second})
        comm->SetCommPort(static_cast<std::int16_t>(pty.Port()));
    first.SetPortOpen(true);
    ASSERT_TRUE(first.PortOpen()) << first.LastError();

    second.SetPortOpen(true);
    EXPECT_FALSE(second.PortOpen());
    const std::string self = ProcFile("/proc/self/comm").substr(0, ProcFile("/proc/self/comm").find('\n'));
    EXPECT_EQ(second.LastError(), "COM5 (" + pty.SlavePath() + "): " + std::strerror(EBUSY) +
                                      " \u2014 in use by " + self + " (pid " + std::to_string(::getpid()) +
                                      "); wait until it has finished or end it, then try again");

    first.SetPortOpen(false);
    second.SetPortOpen(true);
    EXPECT_TRUE(second.PortOpen()) << second.LastError();
}

// The main window holds the port after a cancelled question on purpose: the refusal says how to free it.
TEST(PortHolderTest, TheAdviceSaysHowToFreeAPortTheMainWindowKeeps) {
    const std::string advice = HolderAdvice({4242, "Terrovane"});
    EXPECT_NE(advice.find("cancelled clock or erase question"), std::string::npos) << advice;
    EXPECT_NE(advice.find("run a command there"), std::string::npos) << advice;
    EXPECT_NE(advice.find("close Terrovane"), std::string::npos) << advice;
    EXPECT_EQ(HolderAdvice({4242, "minicom"}), "wait until it has finished or end it, then try again");
}

TEST(PortHolderTest, PortLockedByAnotherProcessIsRefusedAndNamesIt) {
    PtyPair pty;
    ChildProcess holder({"/usr/bin/flock", "--exclusive", "--close", pty.SlavePath(), "/bin/sleep", "30"});
    ASSERT_GT(holder.Pid(), 0);
    ASSERT_TRUE(WaitFor([&] { return FindPortHolder(pty.SlavePath()).has_value(); }));

    CMSComm comm;
    comm.SetCommPort(static_cast<std::int16_t>(pty.Port()));
    comm.SetPortOpen(true);
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_NE(comm.LastError().find("in use by flock (pid " + std::to_string(holder.Pid()) + ")"),
              std::string::npos)
        << comm.LastError();
}

TEST(PortHolderTest, WithoutALockAnyOtherProcessThatHasThePortOpenIsNamed) {
    PtyPair pty;
    EXPECT_EQ(FindPortHolder(pty.SlavePath()), std::nullopt);  // this process alone has it open
    ChildProcess holder({"/bin/sleep", "30"}, pty.SlavePath());
    ASSERT_GT(holder.Pid(), 0);
    ASSERT_TRUE(WaitFor([&] {
        const auto found = FindPortHolder(pty.SlavePath());
        return found && found->name == "sleep";
    }));
    const auto found = FindPortHolder(pty.SlavePath());
    EXPECT_EQ(found->pid, holder.Pid());
    EXPECT_EQ(DescribeHolder(*found), "sleep (pid " + std::to_string(holder.Pid()) + ")");
}

}  // namespace
}  // namespace terrovane::link
