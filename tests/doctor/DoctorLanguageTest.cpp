// terrovane-cli doctor on a fake system tree tells its findings in the user's language, with every path,
// name and command as the system has it; under English they read as they always have.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "FakeSystem.h"

namespace terrovane::doctor {
namespace {

using ::testing::HasSubstr;

// A bridge on ttyUSB0 with its driver loaded, and alice, who may not open it.
class DoctorLanguageTest : public ::testing::Test {
  protected:
    DoctorLanguageTest() {
        system_.LoadDriver();
        system_.AttachBridge("1-1", "ttyUSB0");
    }
    std::string Doctor(const std::string& locale) const {
        const doctor::Paths paths = system_.Paths();
        std::vector<std::string> arguments = {
            "doctor",         "--user",    "alice",          "--sysfs",  paths.sysfs,        "--proc",
            paths.proc,       "--dev",     paths.dev,        "--group",  paths.groupFile,    "--passwd",
            paths.passwdFile, "--modules", paths.modulesDir, "--kernel", paths.kernelRelease};
        for (const std::string& folder : paths.udevRuleDirs) {
            arguments.push_back("--udev-rules");
            arguments.push_back(folder);
        }
        testing::ChildSettings settings;
        // The live ports of this tree, in the language asked for.
        settings.environment = {"TERROVANE_PORTMAP=", "LANG=" + locale};
        const auto run = testing::RunChild(TERROVANE_CLI_PATH, arguments, settings);
        EXPECT_EQ(run.status, 1) << run.err;  // no handshake: no instrument answered
        return run.out;
    }

    testing::FakeSystem system_;
};

TEST_F(DoctorLanguageTest, GermanAndChineseFindingsKeepThePathsAndCommands) {
    const std::string device = system_.Dev("ttyUSB0");
    const std::string german = Doctor("de_DE.UTF-8");
    EXPECT_THAT(german, HasSubstr("[ OK ] Treiber: cp210x ist als Modul geladen\n"));
    EXPECT_THAT(german,
                HasSubstr("[ OK ] USB-Wandler: 10c4:ea60 an USB 1-1 (Seriennummer 0001) ist ttyUSB0\n"));
    EXPECT_THAT(german,
                HasSubstr("[FAIL] Zugriff: " + device +
                          " (Eigentümer root, Gruppe dialout, -rw-rw----): alice darf das Gerät nicht "
                          "öffnen: kein Mitglied von dialout"));
    EXPECT_THAT(german, HasSubstr("; oder sudo adduser alice dialout ausführen, dann neu anmelden\n"));
    EXPECT_THAT(german,
                HasSubstr("[ OK ] Schnittstellenzuordnung: laufendes System unter " + system_.Paths().sysfs +
                          ": die Schnittstellensuche wählt COM1, die " + device + " öffnet\n"));
    EXPECT_THAT(german, HasSubstr("[ OK ] Belegung: kein anderes Programm belegt " + device + "\n"));

    const std::string chinese = Doctor("zh_CN.UTF-8");
    EXPECT_THAT(chinese, HasSubstr("[ OK ] 驱动程序: cp210x 已作为模块加载\n"));
    EXPECT_THAT(chinese, HasSubstr("[FAIL] 访问权限: " + device +
                                   "（所有者 root，组 dialout，-rw-rw----）：alice 无权打开"));
    EXPECT_THAT(chinese, HasSubstr("；或执行 sudo adduser alice dialout，然后重新登录\n"));
    EXPECT_THAT(chinese,
                HasSubstr("[ -- ] 握手: 未尝试：通信链路在当前系统中查找端口，而不是在此目录树中\n"));
}

TEST_F(DoctorLanguageTest, EnglishFindingsReadAsBefore) {
    const std::string device = system_.Dev("ttyUSB0");
    const std::string english = Doctor("C.UTF-8");
    EXPECT_THAT(english, HasSubstr("[ OK ] driver: cp210x is loaded as a module\n"
                                   "[ OK ] bridge: 10c4:ea60 at USB 1-1 (serial 0001) is ttyUSB0\n"));
    EXPECT_THAT(english,
                HasSubstr("[WARN] udev rule: 70-terrovane.rules is not installed: only root and dialout "
                          "may open the port, and it has no stable name\n"
                          "       fix: install the terrovane package (or copy its 70-terrovane.rules "
                          "into /etc/udev/rules.d/), run sudo udevadm control --reload and plug the "
                          "instrument in again\n"
                          "[ OK ] ModemManager: not running\n"
                          "[ OK ] port map: live system under " +
                          system_.Paths().sysfs + ": discovery chooses COM1, which opens " + device +
                          "\n"
                          "[FAIL] access: " +
                          device +
                          " (owner root, group dialout, -rw-rw----): alice may not open it: not a member "
                          "of dialout, and its access list (uaccess) has no entry for alice\n"
                          "       fix: install the terrovane package: its udev rule lets the logged-in "
                          "user open the port; or sudo adduser alice dialout, then log in again\n"
                          "[ OK ] in use: no other program holds " +
                          device +
                          "\n"
                          "[ -- ] handshake: not tried: the link finds its port on the running system, "
                          "not in this tree\n"));
}

}  // namespace
}  // namespace terrovane::doctor
