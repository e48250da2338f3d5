#include "FakeSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>

namespace terrovane::testing {

namespace fs = std::filesystem;

FakeSystem::FakeSystem() {
    char pattern[] = "/tmp/doctor-tree-XXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        throw std::runtime_error("mkdtemp");
    root_ = pattern;
    for (const char* folder : {"sys/bus/usb/devices", "sys/class/tty", "proc", "dev", "etc/udev/rules.d",
                               "usr/lib/udev/rules.d", "usr/bin", "lib/modules/6.1.0-test"})
        fs::create_directories(root_ / folder);
    WriteFile("etc/passwd", "root:x:" + std::to_string(::getuid()) + ":" + std::to_string(::getgid()) +
                                "::/root:/bin/sh\nalice:x:4242:4242::/home/alice:/bin/sh\n");
    SetDialoutMembers("");
}

FakeSystem::~FakeSystem() {
    std::error_code error;
    fs::remove_all(root_, error);
}

doctor::Paths FakeSystem::Paths() const {
    doctor::Paths paths;
    paths.sysfs = (root_ / "sys").string();
    paths.proc = (root_ / "proc").string();
    paths.dev = (root_ / "dev").string();
    paths.udevRuleDirs = {(root_ / "etc/udev/rules.d").string(), (root_ / "usr/lib/udev/rules.d").string()};
    paths.groupFile = (root_ / "etc/group").string();
    paths.passwdFile = (root_ / "etc/passwd").string();
    paths.programDirs = {(root_ / "usr/bin").string()};
    paths.modulesDir = (root_ / "lib/modules").string();
    paths.kernelRelease = "6.1.0-test";
    return paths;
}

void FakeSystem::AttachBridge(const std::string& busId, const std::string& tty, const std::string& product,
                              const std::string& interfaceDriver, const std::string& serial) {
    const fs::path device = root_ / "sys/devices/pci0000:00/usb1" / busId;
    const fs::path interface = device / (busId + ":1.0");
    fs::create_directories(interface);
    WriteFile(fs::relative(device / "idVendor", root_).string(), "10c4\n");
    WriteFile(fs::relative(device / "idProduct", root_).string(), product + "\n");
    WriteFile(fs::relative(device / "serial", root_).string(), serial + "\n");
    fs::create_directory_symlink(device, root_ / "sys/bus/usb/devices" / busId);
    if (!interfaceDriver.empty()) {
        fs::create_directories(root_ / "sys/bus/usb/drivers" / interfaceDriver);
        fs::create_directory_symlink(root_ / "sys/bus/usb/drivers" / interfaceDriver, interface / "driver");
    }
    if (tty.empty())
        return;
    fs::create_directories(interface / tty);
    fs::create_directories(root_ / "sys/class/tty" / tty);
    fs::create_directory_symlink(interface / tty, root_ / "sys/class/tty" / tty / "device");
    WriteFile("dev/" + tty, "");
    ::chmod(Dev(tty).c_str(), 0660);
}

void FakeSystem::LoadDriver() {
    fs::create_directories(root_ / "sys/bus/usb-serial/drivers/cp210x");
    WriteFile("sys/module/cp210x/initstate", "live\n");
}

void FakeSystem::InstallModuleFile() {
    WriteFile("lib/modules/6.1.0-test/kernel/drivers/usb/serial/cp210x.ko.xz", "module");
}

void FakeSystem::AddProcess(pid_t pid, const std::string& name, const std::string& heldPath) {
    const std::string folder = "proc/" + std::to_string(pid);
    WriteFile(folder + "/comm", name + "\n");
    fs::create_directories(root_ / folder / "fd");
    Link(folder + "/fd/0", "/dev/null");
    if (!heldPath.empty())
        Link(folder + "/fd/7", heldPath);
}

void FakeSystem::WriteFile(const std::string& relative, const std::string& text) {
    fs::create_directories((root_ / relative).parent_path());
    std::ofstream(root_ / relative, std::ios::binary | std::ios::trunc) << text;
}

void FakeSystem::Link(const std::string& relative, const std::string& target) {
    fs::create_directories((root_ / relative).parent_path());
    fs::create_symlink(target, root_ / relative);
}

void FakeSystem::InstallOwnRule() {
    fs::copy_file(fs::path(TERROVANE_SOURCE_DIR) / "packaging/udev/70-terrovane.rules",
                  root_ / "usr/lib/udev/rules.d/70-terrovane.rules");
}

void FakeSystem::SetDialoutMembers(const std::string& members) {
    WriteFile("etc/group",
              "root:x:99999:\ndialout:x:" + std::to_string(::getgid()) + ":" + members + "\nalice:x:4242:\n");
}

doctor::Account FakeSystem::Alice(bool inDialoutSession) const {
    doctor::Account alice{kAliceUid, kAliceUid, "alice", {kAliceUid}};
    if (inDialoutSession)
        alice.sessionGroups.push_back(::getgid());
    return alice;
}

}  // namespace terrovane::testing
