#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "Launcher.h"

namespace terrovane::platform {
namespace {

// A program file of the test's own, named so that nothing installed can be mistaken for it. The name
// carries the process id: the sibling lies beside the test program, where the other cases of this suite,
// run at the same time, place and remove theirs.
const std::string kProgram = "tv-launcher-probe-" + std::to_string(::getpid());

std::string MakeProgram(const QString& folder, mode_t mode = 0755) {
    const std::string path = (folder + "/" + QString::fromStdString(kProgram)).toStdString();
    std::ofstream(path) << "#!/bin/sh\nexit 0\n";
    ::chmod(path.c_str(), mode);
    return path;
}

// PATH set to one folder while it lives.
class PathOf {
  public:
    explicit PathOf(const QString& folder) : saved_(std::getenv("PATH") ? std::getenv("PATH") : "") {
        ::setenv("PATH", folder.toLocal8Bit().constData(), 1);
    }
    ~PathOf() { ::setenv("PATH", saved_.c_str(), 1); }

  private:
    std::string saved_;
};

class LauncherTest : public ::testing::Test {
  protected:
    void TearDown() override { std::remove(sibling_.c_str()); }
    QTemporaryDir onPath_;
    std::string sibling_ =
        (QCoreApplication::applicationDirPath() + "/" + QString::fromStdString(kProgram)).toStdString();
};

TEST_F(LauncherTest, ProgramBesideTheRunningOneComesBeforeThePath) {
    const std::string inPath = MakeProgram(onPath_.path());
    PathOf path(onPath_.path());
    EXPECT_EQ(FindProgram(kProgram), inPath);

    MakeProgram(QCoreApplication::applicationDirPath());
    EXPECT_EQ(FindProgram(kProgram), sibling_);
    EXPECT_TRUE(StartProgramDetached(kProgram));
}

TEST_F(LauncherTest, NonExecutableSiblingIsPassedOverAndNothingFoundIsReported) {
    MakeProgram(QCoreApplication::applicationDirPath(), 0644);
    QTemporaryDir empty;
    PathOf path(empty.path());
    EXPECT_EQ(FindProgram(kProgram), "");
    std::string problem;
    EXPECT_FALSE(StartProgramDetached(kProgram, &problem));
    EXPECT_EQ(problem, "it is neither in " + QCoreApplication::applicationDirPath().toStdString() +
                           " nor on the PATH");

    const std::string inPath = MakeProgram(onPath_.path());
    PathOf withProgram(onPath_.path());
    EXPECT_EQ(FindProgram(kProgram), inPath);
}

// Found, but the system cannot run it (here: its interpreter is missing): the reason comes back.
TEST_F(LauncherTest, ProgramThatCannotBeStartedIsReportedWithTheSystemsReason) {
    const std::string program = (onPath_.path() + "/" + QString::fromStdString(kProgram)).toStdString();
    std::ofstream(program) << "#!/nonexistent/interpreter\n";
    ::chmod(program.c_str(), 0755);
    PathOf path(onPath_.path());
    std::string problem;
    EXPECT_FALSE(StartProgramDetached(kProgram, &problem));
    EXPECT_EQ(problem.rfind(program + ": ", 0), 0u) << problem;
    EXPECT_NE(problem.find("No such file or directory"), std::string::npos) << problem;
}

}  // namespace
}  // namespace terrovane::platform
