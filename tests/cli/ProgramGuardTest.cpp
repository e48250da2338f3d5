// The last-resort handler every program's main runs under.
#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>
#include <thread>

#include "ProgramGuard.h"

namespace terrovane::platform {
namespace {

// An exception leaving a thread's function terminates the program, as one leaving a slot does: the
// body never sees it, the guard's terminate handler reports it.
void Escape() {
    std::thread([] { throw std::runtime_error("escaped from a slot"); }).join();
}

TEST(ProgramGuardTest, TheBodysStatusIsTheProgramsStatus) {
    EXPECT_EQ(RunGuarded("prog", [] { return 0; }), 0);
    EXPECT_EQ(RunGuarded("prog", [] { return 2; }), 2);
}

TEST(ProgramGuardTest, AnExceptionLeavingTheBodyIsReportedAndExitsWithOne) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(RunGuarded("prog", []() -> int { throw std::runtime_error("boom"); }), 1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "prog: internal error: boom\n");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(RunGuarded("other", []() -> int { throw 42; }), 1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "other: internal error: an exception of unknown type\n");
}

TEST(ProgramGuardTest, AnExceptionEscapingElsewhereStillEndsWithAMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunGuarded("prog",
                           [] {
                               Escape();
                               return 0;
                           }),
                ::testing::ExitedWithCode(1), "prog: internal error: escaped from a slot");
    EXPECT_EXIT(RunGuarded("prog",
                           [] {
                               std::terminate();
                               return 0;
                           }),
                ::testing::ExitedWithCode(1), "prog: internal error: the program was terminated");
}

TEST(ProgramGuardTest, AFileSizeLimitNoLongerKillsTheProgram) {
    struct sigaction before {};
    ::sigaction(SIGXFSZ, nullptr, &before);
    RunGuarded("prog", [] { return 0; });
    struct sigaction after {};
    ::sigaction(SIGXFSZ, nullptr, &after);
    EXPECT_EQ(after.sa_handler, SIG_IGN);
    ::sigaction(SIGXFSZ, &before, nullptr);
}

}  // namespace
}  // namespace terrovane::platform
