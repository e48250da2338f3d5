// terrovane-cli clock: sets the instrument's date and time.
#include <QDateTime>

#include "Command.h"
#include "PortOption.h"
#include "TerminalHost.h"

namespace terrovane::cli {
namespace {

std::optional<link::ClockSetting> ClockFrom(const QDateTime& when) {
    if (!when.isValid()) {
        return std::nullopt;
    }
    return link::ClockSetting{when.date().year(), when.date().month(), when.date().day(), when.time().hour(),
                              when.time().minute()};
}

int RunClock(const ParsedArguments& options) {
    TerminalHost host;
    host.clock = options.Has("set") ? ClockFrom(QDateTime::fromString(
                                          QString::fromStdString(options.Value("set")), "yyyy-MM-dd HH:mm"))
                                    : ClockFrom(QDateTime::currentDateTime());
    if (!host.clock || !link::IsClockSettable(*host.clock)) {
        return UsageError("clock",
                          CliText::tr("--set takes \"YYYY-MM-DD HH:MM\" with a year from 2000 to 2099"));
    }
    InstallTerminalMessages(false);
    if (!TakePortOption(options, "clock", host)) {
        return kExitFailed;
    }
    record::ReadOutState state;
    link::InstrumentSession session(TerminalPacing());
    session.SetPortChoice(host.port);
    link::CommandHost commands(session, host, state);
    const auto outcome = RunToEnd(commands, [&commands] { return commands.SetClock(); });
    return outcome && outcome->kind == link::OutcomeKind::ClockSet ? kExitOk : kExitFailed;
}

const CommandRegistrar kClockRegistrar(
    {"clock",
     "Sets the instrument's date and time (seconds are not sent). Without --set it sets them to this "
     "computer's present date and time; with --set, to the moment given.",
     {{{"clock",
        {},
        {{"set", "\"YYYY-MM-DD HH:MM\"",
          "The moment to set, a year from 2000 to 2099. Without it, the computer's present time is set."},
         PortOption()}},
       RunClock}}});

}  // namespace
}  // namespace terrovane::cli
