// The doctor's last check, through the program's own link against the simulated instrument.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "Checks.h"
#include "Doctor.h"
#include "DoctorText.h"
#include "FakeSystem.h"
#include "LinkMessages.h"
#include "MessageRecorder.h"
#include "SimProcess.h"

namespace terrovane::doctor {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

// The simulator's port map in force while it lives.
class SimInForce {
  public:
    explicit SimInForce(std::vector<std::string> arguments) : sim_(std::move(arguments)) {
        ::setenv("TERROVANE_PORTMAP", sim_.MapPath().c_str(), 1);
    }
    ~SimInForce() { ::unsetenv("TERROVANE_PORTMAP"); }
    const testing::SimProcess& Sim() const { return sim_; }

  private:
    testing::SimProcess sim_;
};

Findings DiagnoseWithHandshake() {
    DoctorInput input;
    input.paths = testing::FakeSystem().Paths();
    input.account = CurrentAccount(input.paths);
    input.portMap = &platform::CurrentPortMap();
    input.portMapDescription = CurrentPortMapDescription();
    input.liveMap = LivePortMapInForce();
    input.self = ::getpid();
    return RunDoctor(input);
}

TEST(HandshakeCheckTest, AnsweringInstrumentEndsTheChecklistInSuccess) {
    SimInForce sim({});
    ASSERT_TRUE(sim.Sim().Started());
    testing::MessageRecorder recorder;
    const Findings findings = DiagnoseWithHandshake();

    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(texts::SeenText(findings.back()), "the instrument answered on COM3");
    EXPECT_TRUE(HandshakeSucceeded(findings));
    EXPECT_THAT(texts::FindingsText(findings).toStdString(),
                HasSubstr("[ OK ] port map: TERROVANE_PORTMAP file "));
    EXPECT_THAT(recorder.Texts(), IsEmpty());  // the link's messages went into the finding, not to the user
}

TEST(HandshakeCheckTest, SilentInstrumentFailsWithTheLinksOwnMessage) {
    SimInForce sim({"--fault", "silent"});
    ASSERT_TRUE(sim.Sim().Started());
    const Finding handshake = CheckHandshake();
    EXPECT_EQ(handshake.mark, Mark::Fail);
    EXPECT_EQ(texts::SeenText(handshake).toStdString(), std::string("no answer: ") + link::kNoHandshakeReply);
}

TEST(HandshakeCheckTest, NoPortGivesTheDriverErrorAsTheCommandsWould) {
    testing::FakeSystem system;
    const std::string map = (system.Root() / "empty.ini").string();
    system.WriteFile("empty.ini", "[HARDWARE\\DEVICEMAP\\SERIALCOMM\\]\n");
    ::setenv("TERROVANE_PORTMAP", map.c_str(), 1);
    const Finding handshake = CheckHandshake();
    ::unsetenv("TERROVANE_PORTMAP");
    EXPECT_EQ(texts::SeenText(handshake).toStdString(), std::string("no answer: ") + link::kDriverError);
}

}  // namespace
}  // namespace terrovane::doctor
