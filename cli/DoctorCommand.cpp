// terrovane-cli doctor: why no instrument is found, and what to do about it.
#include <unistd.h>

#include <cstdio>

#include "Command.h"
#include "Doctor.h"
#include "DoctorText.h"
#include "PortMap.h"
#include "PortOption.h"

namespace terrovane::cli {
namespace {

doctor::Paths PathsFrom(const ParsedArguments& options) {
    doctor::Paths paths;
    paths.sysfs = options.Value("sysfs", paths.sysfs);
    paths.proc = options.Value("proc", paths.proc);
    paths.dev = options.Value("dev", paths.dev);
    if (options.Has("udev-rules"))
        paths.udevRuleDirs = options.values.at("udev-rules");
    paths.groupFile = options.Value("group", paths.groupFile);
    paths.passwdFile = options.Value("passwd", paths.passwdFile);
    paths.modulesDir = options.Value("modules", paths.modulesDir);
    paths.kernelRelease = options.Value("kernel");
    return paths;
}

int RunDoctor(const ParsedArguments& options) {
    doctor::DoctorInput input;
    input.paths = PathsFrom(options);
    if (options.Has("user")) {
        const auto account = doctor::AccountFromFiles(options.Value("user"), input.paths);
        if (!account) {
            return UsageError("doctor",
                              CliText::tr("no user \"%1\" in %2")
                                  .arg(Given(options.Value("user")), Given(input.paths.passwdFile)));
        }
        input.account = *account;
    } else {
        input.account = doctor::CurrentAccount(input.paths);
    }
    // Another tree's live map is not the one the link discovers through, so no handshake is tried on it.
    const bool ownTree = options.Has("sysfs") || options.Has("dev");
    std::unique_ptr<platform::PortMapSource> treeMap;
    if (doctor::LivePortMapInForce() && ownTree) {
        treeMap = platform::MakeLivePortMap(input.paths.sysfs, input.paths.dev);
        input.portMap = treeMap.get();
        input.portMapDescription = {doctor::Phrase::LiveSystemUnder, {input.paths.sysfs}};
    } else {
        input.portMap = &platform::CurrentPortMap();
        input.portMapDescription = doctor::CurrentPortMapDescription();
        input.liveMap = doctor::LivePortMapInForce();
    }
    input.handshake = !options.Has("no-handshake") && !treeMap;
    if (options.Has("port")) {
        const auto named = PortNamedByOption(options, "doctor", *input.portMap);
        if (!named) {
            return kExitFailed;
        }
        input.portChoice = {options.Value("port"), true};
        input.chosenDevice = named->device;
    }
    input.self = ::getpid();
    doctor::Findings findings = doctor::RunDoctor(input);
    if (!input.handshake) {
        const doctor::Said notTried =
            treeMap ? doctor::Said{doctor::Phrase::HandshakeNotTriedInTree, {}}
                    : doctor::Said{doctor::Phrase::HandshakeNotTried, {"--no-handshake"}};
        findings.push_back({doctor::Mark::Info, doctor::Check::Handshake, {notTried}, {}});
    }
    // The findings are for the person at the terminal, in their language; the exit status is for scripts.
    std::fputs(Utf8(texts::FindingsText(findings)).c_str(), stdout);
    return doctor::HandshakeSucceeded(findings) ? kExitOk : kExitFailed;
}

const std::vector<DeclaredOption> kOptions = {
    {"no-handshake", "", "Do not try the handshake with the instrument."},
    {"user", "NAME", "Judge the port's access for this user, as the account files describe it."},
    {"sysfs", "DIR", "The kernel's device tree; /sys by default."},
    {"proc", "DIR", "The process tree, to find who holds the port; /proc by default."},
    {"dev", "DIR", "The device folder; /dev by default."},
    {"udev-rules", "DIR", "A folder of udev rules; may be repeated. The system's rule folders by default.",
     Presence::Repeatable},
    {"group", "FILE", "The group file; /etc/group by default."},
    {"passwd", "FILE", "The account file; /etc/passwd by default."},
    {"modules", "DIR", "The kernel modules' folder; /lib/modules by default."},
    {"kernel", "RELEASE", "The kernel release whose modules are looked at; the running one by default."},
    PortOption(),
};

const CommandRegistrar kDoctorRegistrar(
    {"doctor",
     "Checks, one line each, why no instrument is found: the cp210x driver, the bridge's USB device and its "
     "tty, brltty and its udev rule, this program's udev rule, ModemManager, the port map and the port "
     "discovery's choice, who may open the port and who holds it, and finally a handshake with the "
     "instrument. Every failing line says what to do. --user judges the port's access for that user as "
     "the account files describe it; the other options read another system tree. Exits 0 only when the "
     "instrument answered the handshake.",
     {{{"doctor", {}, kOptions}, RunDoctor}}});

}  // namespace
}  // namespace terrovane::cli
