// terrovane-cli clock: sets the instrument's date and time.
#include <QDateTime>

#include <cstdio>

#include "CMSComm.h"
#include "Command.h"
#include "InstrumentLink.h"
#include "ReadOutSession.h"
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

int RunClock(const std::vector<std::string>& args) {
    Options options;
    std::string error;
    if (!ParseOptions(args, {"set"}, options, error) || !options.positional.empty()) {
        std::fprintf(stderr, "clock: %s\n",
                     error.empty() ? "usage: clock [--set \"YYYY-MM-DD HH:MM\"]" : error.c_str());
        return kExitUsage;
    }
    TerminalHost host;
    host.clock = options.Has("set") ? ClockFrom(QDateTime::fromString(
                                          QString::fromStdString(options.Value("set")), "yyyy-MM-dd HH:mm"))
                                    : ClockFrom(QDateTime::currentDateTime());
    if (!host.clock || !link::IsClockSettable(*host.clock)) {
        std::fprintf(stderr, "clock: --set takes \"YYYY-MM-DD HH:MM\" with a year from 2000 to 2099\n");
        return kExitUsage;
    }
    InstallTerminalMessages(false);
    record::ReadOutState state;
    link::CMSComm comm;
    link::InstrumentLink instrument(comm, host, state);
    if (!instrument.SetClock()) {
        return kExitFailed;
    }
    return link::AwaitExchange(instrument) ? kExitOk : kExitFailed;
}

const CommandRegistrar kRegistrar({"clock", "clock [--set \"YYYY-MM-DD HH:MM\"]",
                                   "Sets the instrument's date and time (seconds are not sent) to the "
                                   "given moment, or to the computer's present time.",
                                   RunClock});

}  // namespace
}  // namespace terrovane::cli
