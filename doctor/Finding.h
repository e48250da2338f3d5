#pragma once

#include <string>
#include <utility>
#include <vector>

namespace terrovane::doctor {

enum class Mark { Ok, Warn, Fail, Info };

// The checks, in the order the checklist runs them.
enum class Check { Driver, Bridge, Brltty, UdevRule, ModemManager, PortMap, Access, InUse, Handshake };

// What a check says, as a code: the text layer words each one in the running language. The values a
// phrase names (paths, commands, names, ids, counts) are its arguments, in the order its words use them.
enum class Phrase {
    Plain,        // its one argument as it is: a rule file's path, a list of names
    LinkMessage,  // one of the link's own messages, worded as the link's message boxes word it
    ListedAfter,  // " / %1": a further message after the first
    // The driver.
    DriverLoadedAsModule,
    DriverBuiltIn,
    DriverLoadsOnPlugIn,
    DriverNotLoaded,
    DriverMissing,
    InstallExtraModules,
    ThenPlugInAgain,
    // The bridge's USB device.
    NoBridge,
    PlugInWithDataCable,
    BridgeDevice,
    BridgeDeviceWithSerial,
    BridgeIsTtys,
    OtherBridgeProduct,
    CheckOtherAdapter,
    BridgeHeldThroughUsbfs,
    SeeBrlttyLineThenReplug,
    BridgeWithoutDriver,
    BridgeBoundElsewhere,
    Replug,
    // brltty.
    BrlttyNotInstalled,
    BrlttyRunning,
    BrlttyNotRunning,
    BrlttyRuleClaims,
    BrlttyRuleSwitchedOff,
    BrlttyNoRuleClaims,
    RemoveBrlttyOrDeleteLine,
    RemoveBrlttyOrOverrideRule,
    // This program's udev rule and ModemManager.
    OwnRuleMissing,
    InstallOwnRule,
    OwnRuleSwitchedOff,
    RemoveFile,
    NotRunning,
    ModemManagerKeptOff,
    ModemManagerMayProbe,
    InstallRuleOrStopModemManager,
    NotInTheWay,  // appended to a hardware finding when a port-map file names the port
    // The port map.
    LiveSystem,
    LiveSystemUnder,
    PortMapFile,
    NoPortMapGiven,
    PortMapUnreadable,
    PointAtPortMapOrUnset,
    NoBridgePortInMap,
    SeeBridgeLine,
    BadPortName,
    CorrectPortMap,
    PortOpensNoDevice,
    NameDeviceInPorts,
    DiscoveryChooses,
    // The port's access.
    NoPortToCheck,
    DeviceMissing,
    PlugInAndSwitchOn,
    DeviceOwnership,
    JoinedAfterLogin,
    LogInAgainForGroup,
    NotAGroupMember,
    GroupMayNotOpenEither,
    RuleGivesPortToSeat,
    InstallPackageForAccess,
    OrJoinGroup,
    MayOpenAsRoot,
    MayOpenAsOwner,
    MayOpenThroughAccessList,
    MayOpenThroughGroup,
    MayOpenAsAnyone,
    // Who holds the port.
    NoOtherHolder,
    HeldBy,
    ProcessWithPid,
    ServedBySimulator,
    OthersNotInspected,  // its one argument is the count
    CloseOrEndHolder,
    // The handshake.
    InstrumentAnswered,
    NoAnswer,
    MendFirstFailingLine,
    HandshakeNotTriedInTree,
    HandshakeNotTried,
    End  // not a phrase: the number of phrases
};

struct Said;

// What fills one placeholder: a value said as it is, or phrases of their own listed one after another.
struct Argument {
    Argument(std::string text);
    Argument(const char* text);
    Argument(Said item);
    Argument(std::vector<Said> items);

    std::string value;
    std::vector<Said> list;
};

struct Said {
    Phrase phrase = Phrase::Plain;
    std::vector<Argument> arguments;
};

inline Argument::Argument(std::string text) : value(std::move(text)) {}
inline Argument::Argument(const char* text) : value(text) {}
inline Argument::Argument(Said item) : list{std::move(item)} {}
inline Argument::Argument(std::vector<Said> items) : list(std::move(items)) {}

// What one check found: its mark, what it saw and, when something is wrong, what the user can do. Each is
// a run of phrases said one after the other.
struct Finding {
    Mark mark = Mark::Info;
    Check check = Check::Driver;
    std::vector<Said> text;
    std::vector<Said> fix;  // empty when there is nothing to do
};

using Findings = std::vector<Finding>;

}  // namespace terrovane::doctor
