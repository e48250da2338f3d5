// The whole checklist on fake system trees: the situations a user with the real instrument meets.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "Doctor.h"
#include "DoctorText.h"
#include "FakeSystem.h"

namespace terrovane::doctor {
namespace {

using testing::FakeSystem;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr pid_t kSelf = 777;

class DoctorCasesTest : public ::testing::Test {
  protected:
    Findings Diagnose(const Account& account) {
        map_ = platform::MakeLivePortMap(system_.Paths().sysfs, system_.Paths().dev);
        DoctorInput input;
        input.paths = system_.Paths();
        input.account = account;
        input.portMap = map_.get();
        input.portMapDescription = {Phrase::LiveSystem, {}};
        input.handshake = false;
        input.self = kSelf;
        return RunDoctor(input);
    }
    // A check's finding as the user reads it in English.
    struct Seen {
        Mark mark = Mark::Info;
        std::string text;
        std::string fix;
    };
    static Seen Of(const Findings& findings, Check check) {
        for (const Finding& finding : findings) {
            if (finding.check == check)
                return {finding.mark, texts::SeenText(finding).toStdString(),
                        texts::FixText(finding).toStdString()};
        }
        ADD_FAILURE() << "no finding " << static_cast<int>(check);
        return {};
    }
    // A bridge on ttyUSB0 whose driver is loaded: what a good system has.
    void AttachWorkingBridge() {
        system_.LoadDriver();
        system_.AttachBridge("1-1", "ttyUSB0");
    }

    FakeSystem system_;
    std::unique_ptr<platform::PortMapSource> map_;
};

TEST_F(DoctorCasesTest, NoBridgeSaysPlugItInAndChecksNoPort) {
    system_.InstallModuleFile();
    const Findings findings = Diagnose(system_.Alice());

    EXPECT_EQ(Of(findings, Check::Driver).mark, Mark::Ok);  // not loaded is normal without a device
    EXPECT_THAT(Of(findings, Check::Driver).text, HasSubstr("loads it when the bridge is plugged in"));
    EXPECT_EQ(Of(findings, Check::Bridge).mark, Mark::Fail);
    EXPECT_THAT(Of(findings, Check::Bridge).fix, HasSubstr("plug the instrument in"));
    EXPECT_EQ(Of(findings, Check::PortMap).mark, Mark::Fail);
    EXPECT_EQ(Of(findings, Check::Access).mark, Mark::Info);
    EXPECT_EQ(Of(findings, Check::InUse).mark, Mark::Info);
    EXPECT_FALSE(HandshakeSucceeded(findings));
}

TEST_F(DoctorCasesTest, DriverMissingFromTheKernelOrNotLoadedForAnAttachedBridge) {
    system_.AttachBridge("1-1", "", "ea60", "");
    EXPECT_THAT(Of(Diagnose(system_.Alice()), Check::Driver).fix, HasSubstr("linux-modules-extra"));
    system_.InstallModuleFile();
    const Seen driver = Of(Diagnose(system_.Alice()), Check::Driver);
    EXPECT_EQ(driver.mark, Mark::Fail);
    EXPECT_EQ(driver.fix, "sudo modprobe cp210x");
    system_.LoadDriver();
    EXPECT_EQ(Of(Diagnose(system_.Alice()), Check::Driver).text, "cp210x is loaded as a module");
}

TEST_F(DoctorCasesTest, BrlttyWithAMatchingRuleIsNamedWithItsFileLineAndFix) {
    system_.LoadDriver();
    system_.AttachBridge("3-2", "", "ea60", "usbfs");  // brltty took the interface, the tty is gone
    system_.WriteFile("usr/bin/brltty", "");
    system_.AddProcess(812, "brltty");
    system_.WriteFile(
        "usr/lib/udev/rules.d/85-brltty.rules",
        "# Device: 10C4:EA60\n"
        "ACTION==\"add\", GOTO=\"brltty_usb_run\"\n"
        "ENV{PRODUCT}==\"10c4/ea60/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"sk\", GOTO=\"brltty_usb_run\"\n");
    const Findings findings = Diagnose(system_.Alice());

    const Seen bridge = Of(findings, Check::Bridge);
    EXPECT_EQ(bridge.mark, Mark::Fail);
    EXPECT_THAT(bridge.text, HasSubstr("usbfs"));
    const Seen brltty = Of(findings, Check::Brltty);
    EXPECT_EQ(brltty.mark, Mark::Fail);
    const std::string rule = (system_.Root() / "usr/lib/udev/rules.d/85-brltty.rules").string();
    EXPECT_THAT(brltty.text,
                HasSubstr("installed, running; its rule " + rule + " (line 3) claims 10c4:ea60"));
    EXPECT_THAT(brltty.fix, HasSubstr("sudo apt remove brltty"));
    EXPECT_THAT(brltty.fix, HasSubstr("sudo cp " + rule + " /etc/udev/rules.d/ and delete line 3"));
}

TEST_F(DoctorCasesTest, BrlttyRuleOverriddenInEtcNoLongerCounts) {
    AttachWorkingBridge();
    system_.WriteFile("usr/bin/brltty", "");
    const std::string claim = "ATTRS{idVendor}==\"10c4\", ATTRS{idProduct}==\"ea60\", RUN+=\"brltty\"\n";
    system_.WriteFile("usr/lib/udev/rules.d/85-brltty.rules", claim);

    system_.WriteFile("etc/udev/rules.d/85-brltty.rules", "# " + claim);  // the copy with the line taken out
    EXPECT_EQ(Of(Diagnose(system_.Alice()), Check::Brltty).text,
              "installed, not running; none of its rules claims 10c4:ea60");

    std::filesystem::remove(system_.Root() / "etc/udev/rules.d/85-brltty.rules");
    system_.Link("etc/udev/rules.d/85-brltty.rules", "/dev/null");
    const Seen masked = Of(Diagnose(system_.Alice()), Check::Brltty);
    EXPECT_EQ(masked.mark, Mark::Ok);
    EXPECT_THAT(masked.text, HasSubstr("switched off by"));
}

TEST_F(DoctorCasesTest, PermissionDeniedSaysWhyAndHowToGetIn) {
    AttachWorkingBridge();
    const Findings findings = Diagnose(system_.Alice());

    const Seen access = Of(findings, Check::Access);
    EXPECT_EQ(access.mark, Mark::Fail);
    EXPECT_THAT(access.text, HasSubstr(system_.Dev("ttyUSB0") + " (owner root, group dialout, -rw-rw----)"));
    EXPECT_THAT(access.text, HasSubstr("alice may not open it: not a member of dialout"));
    EXPECT_THAT(access.text, HasSubstr("no entry for alice"));
    EXPECT_THAT(access.fix, HasSubstr("install the terrovane package"));
    EXPECT_THAT(access.fix, HasSubstr("sudo adduser alice dialout, then log in again"));
    EXPECT_EQ(Of(findings, Check::UdevRule).mark, Mark::Warn);

    system_.InstallOwnRule();  // the rule is there, but alice is not at the seat
    const Seen withRule = Of(Diagnose(system_.Alice()), Check::Access);
    EXPECT_THAT(withRule.fix, HasSubstr("the computer's own screen"));
}

TEST_F(DoctorCasesTest, GroupJoinedAfterLoginNeedsANewLogin) {
    AttachWorkingBridge();
    system_.SetDialoutMembers("bob,alice");
    const Seen stale = Of(Diagnose(system_.Alice()), Check::Access);
    EXPECT_EQ(stale.mark, Mark::Fail);
    EXPECT_THAT(stale.text, HasSubstr("joined dialout after this login began"));
    EXPECT_THAT(stale.fix, HasSubstr("log out and log in again"));

    const Seen fresh = Of(Diagnose(system_.Alice(true)), Check::Access);
    EXPECT_EQ(fresh.mark, Mark::Ok);
    EXPECT_THAT(fresh.text, HasSubstr("alice may open it through group dialout"));
}

TEST_F(DoctorCasesTest, PortBusyNamesTheHolderButNotItselfOrTheSimulator) {
    AttachWorkingBridge();
    system_.AddProcess(1234, "minicom", system_.Dev("ttyUSB0"));
    system_.AddProcess(kSelf, "terrovane-cli", system_.Dev("ttyUSB0"));
    system_.AddProcess(99, "bash");
    const Findings findings = Diagnose(system_.Alice(true));

    const Seen busy = Of(findings, Check::InUse);
    EXPECT_EQ(busy.mark, Mark::Fail);
    EXPECT_EQ(busy.text, system_.Dev("ttyUSB0") + " is held by minicom (pid 1234)");
    EXPECT_EQ(busy.fix, "close that program, or end it: kill 1234");

    std::filesystem::remove_all(system_.Root() / "proc/1234");
    system_.AddProcess(4321, "terrovane-sim", system_.Dev("ttyUSB0"));
    const Seen served = Of(Diagnose(system_.Alice(true)), Check::InUse);
    EXPECT_EQ(served.mark, Mark::Ok);
    EXPECT_THAT(served.text, HasSubstr("served by the simulated instrument terrovane-sim (pid 4321)"));
}

TEST_F(DoctorCasesTest, StableLinkIsThePortChosenAndItsHoldersAreFoundThroughIt) {
    AttachWorkingBridge();
    system_.InstallOwnRule();
    system_.Link("dev/terrovane-0001", "ttyUSB0");
    system_.AddProcess(55, "screen", system_.Dev("ttyUSB0"));  // opened by its kernel name
    const Findings findings = Diagnose(system_.Alice(true));

    EXPECT_THAT(Of(findings, Check::PortMap).text,
                HasSubstr("discovery chooses COM1, which opens " + system_.Dev("terrovane-0001")));
    EXPECT_THAT(Of(findings, Check::InUse).text, HasSubstr("held by screen (pid 55)"));
    EXPECT_EQ(Of(findings, Check::UdevRule).mark, Mark::Ok);
    EXPECT_EQ(Of(findings, Check::Bridge).text, "10c4:ea60 at USB 1-1 (serial 0001) is ttyUSB0");
}

TEST_F(DoctorCasesTest, ModemManagerIsWarnedOfUntilTheRuleKeepsItOff) {
    AttachWorkingBridge();
    system_.AddProcess(300, "ModemManager");
    EXPECT_EQ(Of(Diagnose(system_.Alice()), Check::ModemManager).mark, Mark::Warn);
    system_.InstallOwnRule();
    const Seen kept = Of(Diagnose(system_.Alice()), Check::ModemManager);
    EXPECT_EQ(kept.mark, Mark::Ok);
    EXPECT_THAT(kept.text, HasSubstr("70-terrovane.rules keeps it off the bridge"));
}

TEST_F(DoctorCasesTest, AnotherVendorsProductIsOnlyAWarning) {
    system_.LoadDriver();
    system_.AttachBridge("1-4", "ttyUSB2", "ea70");
    const Seen bridge = Of(Diagnose(system_.Alice()), Check::Bridge);
    EXPECT_EQ(bridge.mark, Mark::Warn);
    EXPECT_THAT(bridge.text, HasSubstr("10c4:ea70 at USB 1-4 (serial 0001) is ttyUSB2"));
}

TEST_F(DoctorCasesTest, WithAPortMapFileTheHardwareOnlyInforms) {
    DoctorInput input;
    input.paths = system_.Paths();
    input.account = system_.Alice();
    input.liveMap = false;
    input.handshake = false;
    const Findings findings = RunDoctor(input);
    EXPECT_EQ(Of(findings, Check::Bridge).mark, Mark::Info);
    EXPECT_THAT(Of(findings, Check::Bridge).text, HasSubstr("not in the way"));
    EXPECT_THAT(Of(findings, Check::Bridge).fix, IsEmpty());
    EXPECT_THAT(texts::FindingsText(findings).toStdString(), Not(HasSubstr("[FAIL] driver")));
}

TEST_F(DoctorCasesTest, PortMapThatIsNoFileIsNamedWithTheReason) {
    map_ = platform::MakeFilePortMap("/dev/zero");
    DoctorInput input;
    input.paths = system_.Paths();
    input.account = system_.Alice();
    input.liveMap = false;
    input.portMap = map_.get();
    input.portMapDescription = {Phrase::PortMapFile, {"TERROVANE_PORTMAP", "/dev/zero"}};
    input.handshake = false;
    const Seen map = Of(RunDoctor(input), Check::PortMap);
    EXPECT_EQ(map.mark, Mark::Fail);
    EXPECT_EQ(map.text, "TERROVANE_PORTMAP file /dev/zero: cannot be read: /dev/zero: is not a regular file");
}

}  // namespace
}  // namespace terrovane::doctor
