#include "DoctorText.h"

#include <QCoreApplication>
#include <QStringList>

#include "MessageBox.h"

namespace terrovane::texts {
namespace {

using doctor::Phrase;

constexpr const char* kContext = "Doctor";

// The words of each phrase. Commands, paths, file names and ids are never among them: they are the
// phrase's arguments, so no translation can change what the user types or looks for.
const char* Source(Phrase phrase) {
    switch (phrase) {
        case Phrase::Plain:
        case Phrase::LinkMessage:
            return "%1";
        case Phrase::ListedAfter:
            return " / %1";
        case Phrase::DriverLoadedAsModule:
            return QT_TRANSLATE_NOOP("Doctor", "%1 is loaded as a module");
        case Phrase::DriverBuiltIn:
            return QT_TRANSLATE_NOOP("Doctor", "%1 is built into the kernel");
        case Phrase::DriverLoadsOnPlugIn:
            return QT_TRANSLATE_NOOP("Doctor",
                                     "%1 is installed; the kernel loads it when the bridge is plugged in");
        case Phrase::DriverNotLoaded:
            return QT_TRANSLATE_NOOP("Doctor",
                                     "%1 is installed but not loaded although the bridge is attached");
        case Phrase::DriverMissing:
            return QT_TRANSLATE_NOOP("Doctor", "this kernel (%1) has no %2 driver");
        case Phrase::InstallExtraModules:
            return QT_TRANSLATE_NOOP(
                "Doctor",
                "install the kernel's extra modules (Ubuntu: %1), then plug the instrument in "
                "again");
        case Phrase::ThenPlugInAgain:
            return QT_TRANSLATE_NOOP("Doctor", "%1, then plug the instrument in again");
        case Phrase::NoBridge:
            return QT_TRANSLATE_NOOP("Doctor", "no USB device of the bridge's vendor (%1) is attached");
        case Phrase::PlugInWithDataCable:
            return QT_TRANSLATE_NOOP(
                "Doctor",
                "plug the instrument in with a data cable (not a charging-only one) and switch "
                "it on; %1 should then list %2");
        case Phrase::BridgeDevice:
            //: The USB device: %1 vendor id, %2 product id, %3 its place on the USB bus ("1-1.4").
            return QT_TRANSLATE_NOOP("Doctor", "%1:%2 at USB %3");
        case Phrase::BridgeDeviceWithSerial:
            //: The USB device: %1 vendor id, %2 product id, %3 its place on the USB bus, %4 its serial
            //: number.
            return QT_TRANSLATE_NOOP("Doctor", "%1:%2 at USB %3 (serial %4)");
        case Phrase::BridgeIsTtys:
            //: %1 a USB device ("10c4:ea60 at USB 1-1"), %2 the serial ports it got ("ttyUSB0").
            return QT_TRANSLATE_NOOP("Doctor", "%1 is %2");
        case Phrase::OtherBridgeProduct:
            //: %1 the USB devices found with their ports, %2 the vendor:product id of the instrument's
            //: bridge.
            return QT_TRANSLATE_NOOP("Doctor", "%1; the instrument's bridge is %2");
        case Phrase::CheckOtherAdapter:
            return QT_TRANSLATE_NOOP("Doctor", "check that this is the instrument and not another adapter");
        case Phrase::BridgeHeldThroughUsbfs:
            return QT_TRANSLATE_NOOP(
                "Doctor",
                "%1 has no serial port (tty): a program holds its interface through usbfs "
                "(brltty does this)");
        case Phrase::SeeBrlttyLineThenReplug:
            return QT_TRANSLATE_NOOP(
                "Doctor", "see the brltty line below; then unplug and plug the instrument in again");
        case Phrase::BridgeWithoutDriver:
            return QT_TRANSLATE_NOOP("Doctor", "%1 has no serial port (tty): no driver is bound to it");
        case Phrase::BridgeBoundElsewhere:
            return QT_TRANSLATE_NOOP("Doctor", "%1 has no serial port (tty): its interface is bound to %2");
        case Phrase::Replug:
            return QT_TRANSLATE_NOOP("Doctor", "unplug and plug the instrument in again");
        case Phrase::BrlttyNotInstalled:
            return QT_TRANSLATE_NOOP("Doctor", "not installed");
        case Phrase::BrlttyRunning:
            return QT_TRANSLATE_NOOP("Doctor", "installed, running");
        case Phrase::BrlttyNotRunning:
            return QT_TRANSLATE_NOOP("Doctor", "installed, not running");
        case Phrase::BrlttyRuleClaims:
            //: %1 "installed, running" or "installed, not running"; %2 a rule file, %3 a line number, %4
            //: vendor:product id.
            return QT_TRANSLATE_NOOP(
                "Doctor",
                "%1; its rule %2 (line %3) claims %4 and takes the tty away a second after "
                "plug-in");
        case Phrase::BrlttyRuleSwitchedOff:
            //: %1 "installed, running" or "installed, not running"; %2 the file that switches the rule off.
            return QT_TRANSLATE_NOOP("Doctor", "%1; its rule is switched off by %2");
        case Phrase::BrlttyNoRuleClaims:
            //: %1 "installed, running" or "installed, not running"; %2 vendor:product id.
            return QT_TRANSLATE_NOOP("Doctor", "%1; none of its rules claims %2");
        case Phrase::RemoveBrlttyOrDeleteLine:
            //: %1 and %4 commands, %2 a line number, %3 a rule file.
            return QT_TRANSLATE_NOOP(
                "Doctor",
                "%1 (unless you use a braille display), or delete line %2 of %3; then %4 and "
                "plug the instrument in again");
        case Phrase::RemoveBrlttyOrOverrideRule:
            //: %1, %2 and %4 commands, %3 a line number.
            return QT_TRANSLATE_NOOP(
                "Doctor",
                "%1 (unless you use a braille display), or override its rule: %2 and delete "
                "line %3 in the copy; then %4 and plug the instrument in again");
        case Phrase::OwnRuleMissing:
            return QT_TRANSLATE_NOOP(
                "Doctor",
                "%1 is not installed: only root and dialout may open the port, and it has no "
                "stable name");
        case Phrase::InstallOwnRule:
            //: %1 the package, %2 the rule file, %3 a folder, %4 a command.
            return QT_TRANSLATE_NOOP("Doctor",
                                     "install the %1 package (or copy its %2 into %3), run %4 and plug the "
                                     "instrument in again");
        case Phrase::OwnRuleSwitchedOff:
            return QT_TRANSLATE_NOOP("Doctor", "%1 switches the rule off");
        case Phrase::RemoveFile:
            return QT_TRANSLATE_NOOP("Doctor", "remove %1");
        case Phrase::NotRunning:
            return QT_TRANSLATE_NOOP("Doctor", "not running");
        case Phrase::ModemManagerKeptOff:
            return QT_TRANSLATE_NOOP("Doctor", "running; %1 keeps it off the bridge");
        case Phrase::ModemManagerMayProbe:
            return QT_TRANSLATE_NOOP(
                "Doctor",
                "running, and no rule keeps it off the bridge: it may send AT commands to the "
                "instrument for a few seconds after plug-in");
        case Phrase::InstallRuleOrStopModemManager:
            return QT_TRANSLATE_NOOP("Doctor", "install the %1 package (its udev rule sets %2), or %3");
        case Phrase::NotInTheWay:
            return QT_TRANSLATE_NOOP("Doctor", " (not in the way: the port-map file names the port)");
        case Phrase::LiveSystem:
            return QT_TRANSLATE_NOOP("Doctor", "live system");
        case Phrase::LiveSystemUnder:
            return QT_TRANSLATE_NOOP("Doctor", "live system under %1");
        case Phrase::PortMapFile:
            //: %1 the environment variable's name, %2 the file it names.
            return QT_TRANSLATE_NOOP("Doctor", "%1 file %2");
        case Phrase::NoPortMapGiven:
            return QT_TRANSLATE_NOOP("Doctor", "none given");
        case Phrase::PortMapUnreadable:
            //: %1 the port map in force ("live system" or a file), %2 why it cannot be read.
            return QT_TRANSLATE_NOOP("Doctor", "%1: cannot be read: %2");
        case Phrase::PointAtPortMapOrUnset:
            return QT_TRANSLATE_NOOP("Doctor",
                                     "point %1 at a port-map file, or unset it to use the live ports");
        case Phrase::NoBridgePortInMap:
            return QT_TRANSLATE_NOOP("Doctor", "%1: no port of the bridge is published in it");
        case Phrase::SeeBridgeLine:
            return QT_TRANSLATE_NOOP("Doctor", "see the bridge line above");
        case Phrase::BadPortName:
            return QT_TRANSLATE_NOOP("Doctor", "%1: port name \"%2\": %3");
        case Phrase::CorrectPortMap:
            return QT_TRANSLATE_NOOP("Doctor", "correct the port-map file");
        case Phrase::PortOpensNoDevice:
            return QT_TRANSLATE_NOOP("Doctor", "%1: %2 opens no device");
        case Phrase::NameDeviceInPorts:
            return QT_TRANSLATE_NOOP("Doctor", "name the device of %1 in the map's %2 section");
        case Phrase::DiscoveryChooses:
            return QT_TRANSLATE_NOOP("Doctor", "%1: discovery chooses %2, which opens %3");
        case Phrase::NoPortToCheck:
            return QT_TRANSLATE_NOOP("Doctor", "no port to check");
        case Phrase::DeviceMissing:
            return QT_TRANSLATE_NOOP("Doctor", "%1 does not exist");
        case Phrase::PlugInAndSwitchOn:
            return QT_TRANSLATE_NOOP("Doctor", "plug the instrument in and switch it on");
        case Phrase::DeviceOwnership:
            //: %1 the device, %2 its owner, %3 its group, %4 its permissions ("crw-rw----").
            return QT_TRANSLATE_NOOP("Doctor", "%1 (owner %2, group %3, %4)");
        case Phrase::JoinedAfterLogin:
            return QT_TRANSLATE_NOOP("Doctor", "%1: %2 may not open it: joined %3 after this login began");
        case Phrase::LogInAgainForGroup:
            return QT_TRANSLATE_NOOP("Doctor",
                                     "log out and log in again (or reboot) so the session gets group %1");
        case Phrase::NotAGroupMember:
            //: %1 the device with its owner, group and permissions, %2 the user, %3 the group.
            return QT_TRANSLATE_NOOP(
                "Doctor",
                "%1: %2 may not open it: not a member of %3, and its access list (uaccess) has "
                "no entry for %2");
        case Phrase::GroupMayNotOpenEither:
            return QT_TRANSLATE_NOOP(
                "Doctor",
                "%1: %2 may not open it: its group may not open it either, and its access list "
                "(uaccess) has no entry for %2");
        case Phrase::RuleGivesPortToSeat:
            return QT_TRANSLATE_NOOP(
                "Doctor",
                "the udev rule gives the port to the user at the computer's own screen (not "
                "over ssh): log in there and plug the instrument in again");
        case Phrase::InstallPackageForAccess:
            return QT_TRANSLATE_NOOP(
                "Doctor", "install the %1 package: its udev rule lets the logged-in user open the port");
        case Phrase::OrJoinGroup:
            return QT_TRANSLATE_NOOP("Doctor", "; or %1, then log in again");
        case Phrase::MayOpenAsRoot:
            return QT_TRANSLATE_NOOP("Doctor", "%1: %2 may open it as root");
        case Phrase::MayOpenAsOwner:
            return QT_TRANSLATE_NOOP("Doctor", "%1: %2 may open it as its owner");
        case Phrase::MayOpenThroughAccessList:
            return QT_TRANSLATE_NOOP("Doctor", "%1: %2 may open it through its access list (uaccess)");
        case Phrase::MayOpenThroughGroup:
            return QT_TRANSLATE_NOOP("Doctor", "%1: %2 may open it through group %3");
        case Phrase::MayOpenAsAnyone:
            return QT_TRANSLATE_NOOP("Doctor", "%1: %2 may open it as anyone may");
        case Phrase::NoOtherHolder:
            return QT_TRANSLATE_NOOP("Doctor", "no other program holds %1");
        case Phrase::HeldBy:
            //: %1 the device, %2 the programs holding it ("minicom (pid 9)").
            return QT_TRANSLATE_NOOP("Doctor", "%1 is held by %2");
        case Phrase::ProcessWithPid:
            return QT_TRANSLATE_NOOP("Doctor", "%1 (pid %2)");
        case Phrase::ServedBySimulator:
            return QT_TRANSLATE_NOOP("Doctor", "; served by the simulated instrument %1");
        case Phrase::OthersNotInspected:
            return QT_TRANSLATE_N_NOOP("Doctor",
                                       " (%n processes of other users not looked at; sudo shows them)");
        case Phrase::CloseOrEndHolder:
            return QT_TRANSLATE_NOOP("Doctor", "close that program, or end it: %1");
        case Phrase::InstrumentAnswered:
            return QT_TRANSLATE_NOOP("Doctor", "the instrument answered on %1");
        case Phrase::NoAnswer:
            //: %1 what the link said: the message a command would have shown.
            return QT_TRANSLATE_NOOP("Doctor", "no answer: %1");
        case Phrase::MendFirstFailingLine:
            return QT_TRANSLATE_NOOP(
                "Doctor",
                "mend the first failing line above; if all pass, switch the instrument on and "
                "check the cable");
        case Phrase::HandshakeNotTriedInTree:
            return QT_TRANSLATE_NOOP(
                "Doctor", "not tried: the link finds its port on the running system, not in this tree");
        case Phrase::HandshakeNotTried:
            return QT_TRANSLATE_NOOP("Doctor", "not tried (%1)");
        case Phrase::End:
            break;
    }
    return "";
}

// Said in no language: placeholders and separators only.
bool Unworded(Phrase phrase) {
    return phrase == Phrase::Plain || phrase == Phrase::LinkMessage || phrase == Phrase::ListedAfter;
}

// The link's message as its message box words it: the fixed first line translated, what the system added
// after it kept, all on one line.
QString LinkMessageText(const std::string& message) {
    const auto lineEnd = message.find('\n');
    QString text = QCoreApplication::translate("Messages", message.substr(0, lineEnd).c_str());
    if (lineEnd != std::string::npos)
        text += QLatin1Char(' ') + QString::fromStdString(message.substr(lineEnd + 1));
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString ArgumentText(const doctor::Argument& argument) {
    if (argument.list.empty())
        return QString::fromStdString(argument.value);
    QStringList items;
    for (const doctor::Said& item : argument.list)
        items << SaidText(item);
    //: Between the items of a list: ttys, drivers, programs.
    return items.join(QCoreApplication::translate("Doctor", ", "));
}

// The marks stay as they are in every language: a column of six characters the eye runs down, and what
// scripts look for.
QString MarkText(doctor::Mark mark) {
    switch (mark) {
        case doctor::Mark::Ok:
            return QStringLiteral("[ OK ]");
        case doctor::Mark::Warn:
            return QStringLiteral("[WARN]");
        case doctor::Mark::Fail:
            return QStringLiteral("[FAIL]");
        case doctor::Mark::Info:
            break;
    }
    return QStringLiteral("[ -- ]");
}

QString Joined(const std::vector<doctor::Said>& phrases) {
    QString text;
    for (const doctor::Said& said : phrases)
        text += SaidText(said);
    return text;
}

}  // namespace

QString CheckText(doctor::Check check) {
    using doctor::Check;
    switch (check) {
        case Check::Driver:
            return QCoreApplication::translate("Doctor", "driver");
        case Check::Bridge:
            return QCoreApplication::translate("Doctor", "bridge");
        case Check::Brltty:
            return QStringLiteral("brltty");  // a program's name
        case Check::UdevRule:
            return QCoreApplication::translate("Doctor", "udev rule");
        case Check::ModemManager:
            return QStringLiteral("ModemManager");  // a program's name
        case Check::PortMap:
            return QCoreApplication::translate("Doctor", "port map");
        case Check::Access:
            return QCoreApplication::translate("Doctor", "access");
        case Check::InUse:
            return QCoreApplication::translate("Doctor", "in use");
        case Check::Handshake:
            break;
    }
    return QCoreApplication::translate("Doctor", "handshake");
}

QString PhraseText(Phrase phrase, int count) {
    if (Unworded(phrase))
        return QString::fromUtf8(Source(phrase));
    if (phrase == Phrase::OthersNotInspected)
        return QCoreApplication::translate(kContext, Source(phrase), nullptr, count);
    return QCoreApplication::translate(kContext, Source(phrase));
}

QString SaidText(const doctor::Said& said) {
    if (said.phrase == Phrase::LinkMessage)
        return said.arguments.empty() ? QString() : LinkMessageText(said.arguments.front().value);
    // A counted phrase names its count first.
    const int count = said.phrase == Phrase::OthersNotInspected && !said.arguments.empty()
                          ? QString::fromStdString(said.arguments.front().value).toInt()
                          : 1;
    std::vector<std::string> filling;
    for (const doctor::Argument& argument : said.arguments)
        filling.push_back(ArgumentText(argument).toStdString());
    return QString::fromStdString(
        platform::FillArguments(PhraseText(said.phrase, count).toStdString(), filling));
}

QString SeenText(const doctor::Finding& finding) {
    return Joined(finding.text);
}

QString FixText(const doctor::Finding& finding) {
    return Joined(finding.fix);
}

QString FindingsText(const doctor::Findings& findings) {
    QString text;
    for (const doctor::Finding& finding : findings) {
        text += MarkText(finding.mark) + QLatin1Char(' ') + CheckText(finding.check) + QStringLiteral(": ") +
                SeenText(finding) + QLatin1Char('\n');
        if (!finding.fix.empty())
            //: Before what to do about a finding; seven spaces come before it, under the finding's mark.
            text += QStringLiteral("       ") + QCoreApplication::translate("Doctor", "fix: ") +
                    FixText(finding) + QLatin1Char('\n');
    }
    return text;
}

}  // namespace terrovane::texts
