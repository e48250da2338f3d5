// The folders other users must not reach into: the hand-off folder and the runtime folder of the lock.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "HandoffDir.h"
#include "InstanceLock.h"
#include "TestEnvironment.h"

namespace terrovane::platform {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

class PrivateFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = (fs::temp_directory_path() / ("private-folder-" + std::to_string(::getpid()))).string();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        ::chmod(dir_.c_str(), 0700);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string In(const std::string& name) const { return dir_ + "/" + name; }
    std::optional<std::string> HandoffAt(const std::string& dir, std::string& error) {
        ::setenv("TERROVANE_HANDOFF_DIR", dir.c_str(), 1);
        return HandoffDir(&error);
    }

    std::string dir_;
    // Each test sets what it relies on; the caller's values come back afterwards.
    testing::EnvironmentOverride handoff_{"TERROVANE_HANDOFF_DIR", std::nullopt};
    testing::EnvironmentOverride runtime_{"XDG_RUNTIME_DIR", std::nullopt};
    testing::EnvironmentOverride temporary_{"TMPDIR", std::nullopt};
};

TEST_F(PrivateFolderTest, MissingHandoffFolderIsCreatedForTheOwnerOnly) {
    std::string error;
    const auto dir = HandoffAt(In("new/handoff"), error);
    ASSERT_TRUE(dir) << error;
    EXPECT_EQ(*dir, In("new/handoff"));
    struct stat folder {};
    ::stat(dir->c_str(), &folder);
    EXPECT_EQ(folder.st_mode & 07777, 0700u);
    EXPECT_EQ(HandoffPath("data.inf", &error), In("new/handoff/data.inf"));
}

TEST_F(PrivateFolderTest, HandoffFolderOthersCanWriteToIsRefusedWithTheFix) {
    fs::create_directory(In("shared"));
    std::string error;
    for (const mode_t mode : {01777, 0770, 0702}) {
        ::chmod(In("shared").c_str(), mode);
        EXPECT_FALSE(HandoffAt(In("shared"), error)) << std::oct << mode;
        EXPECT_EQ(error, "The hand-off folder " + In("shared") +
                             " can be written by other users, so it is not used; make it yours alone with: "
                             "chmod go-w '" +
                             In("shared") + "'");
    }
    ::chmod(In("shared").c_str(), 0755);  // others may look, not plant
    EXPECT_TRUE(HandoffAt(In("shared"), error));
    EXPECT_TRUE(HandoffPath("data.inf", &error).has_value());
}

TEST_F(PrivateFolderTest, HandoffFolderOfAnotherUserOrAFileIsRefused) {
    std::ofstream(In("file")) << "x";
    std::string error;
    EXPECT_FALSE(HandoffAt(In("file"), error));
    EXPECT_EQ(error, "The hand-off folder " + In("file") +
                         " is not a folder; set TERROVANE_HANDOFF_DIR to a folder of your own.");
    if (::geteuid() != 0)
        GTEST_SKIP() << "handing a folder to another user needs root";
    fs::create_directory(In("theirs"));
    ASSERT_EQ(::chown(In("theirs").c_str(), kNobody, kNobody), 0);
    EXPECT_FALSE(HandoffAt(In("theirs"), error));
    EXPECT_EQ(error, "The hand-off folder " + In("theirs") +
                         " belongs to another user, so it is not used; set TERROVANE_HANDOFF_DIR to a folder "
                         "of your own.");
}

TEST_F(PrivateFolderTest, LockIsHeldForTheObjectsLifeAndFreedWhenItsOwnerDies) {
    ::setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
    {
        InstanceLock first("Probe");
        EXPECT_FALSE(first.AlreadyRunning());
        EXPECT_EQ(first.Problem(), "");
        InstanceLock second("Probe");  // a separate open of the file: refused as another instance would be
        EXPECT_TRUE(second.AlreadyRunning());
        EXPECT_EQ(second.Problem(), "");
    }
    // An owner killed outright never blocks the next start.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t owner = ::fork();
    if (owner == 0) {
        InstanceLock held("Probe");
        const char state = held.AlreadyRunning() ? 'n' : 'y';
        if (::write(ready[1], &state, 1) == 1)
            ::pause();
        ::_exit(0);
    }
    ::close(ready[1]);
    char state = 0;
    ASSERT_EQ(::read(ready[0], &state, 1), 1);
    ::close(ready[0]);
    EXPECT_EQ(state, 'y');
    EXPECT_TRUE(InstanceLock("Probe").AlreadyRunning());
    ::kill(owner, SIGKILL);
    ::waitpid(owner, nullptr, 0);
    EXPECT_FALSE(InstanceLock("Probe").AlreadyRunning());
}

TEST_F(PrivateFolderTest, GarbageLeftInTheLockFileDoesNotBlock) {
    ::setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
    std::ofstream(In("Probe.lock")) << "2147483000\nrapstel\nsomehost\n";
    InstanceLock lock("Probe");
    EXPECT_FALSE(lock.AlreadyRunning());
    EXPECT_EQ(lock.Problem(), "");
}

TEST_F(PrivateFolderTest, RuntimeFolderThatIsNotPrivateIsRefused) {
    fs::create_directory(In("runtime"));
    ::chmod(In("runtime").c_str(), 0755);
    ::setenv("XDG_RUNTIME_DIR", In("runtime").c_str(), 1);
    InstanceLock lock("Probe");
    EXPECT_FALSE(lock.AlreadyRunning());
    EXPECT_EQ(lock.Problem(),
              "The runtime folder " + In("runtime") +
                  " is open to other users, so no instance lock is kept there; make it private "
                  "with: chmod 700 '" +
                  In("runtime") + "'");
    EXPECT_FALSE(fs::exists(In("runtime/Probe.lock")));
}

TEST_F(PrivateFolderTest, WithoutXdgRuntimeDirAPrivateFolderIsMadeInTheTemporaryFolder) {
    ::setenv("TMPDIR", dir_.c_str(), 1);
    std::string problem;
    const auto runtime = RuntimeDir(problem);
    ASSERT_TRUE(runtime) << problem;
    EXPECT_EQ(*runtime, In("terrovane-runtime-" + std::to_string(::geteuid())));
    struct stat folder {};
    ::stat(runtime->c_str(), &folder);
    EXPECT_EQ(folder.st_mode & 07777, 0700u);
}

}  // namespace
}  // namespace terrovane::platform
