// terrovane-cli erase: erases one stored result or all of them.
#include "Archive.h"
#include "Command.h"
#include "Numbers.h"
#include "PortOption.h"
#include "ReadArchiving.h"
#include "TerminalHost.h"

namespace terrovane::cli {
namespace {

std::optional<int> SlotFrom(const std::string& text) {
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return static_cast<int>(numbers::ParseInteger(text).value_or(0));
}

// Results leave the instrument only once they are kept elsewhere, unless the user said otherwise.
bool ReadOutIsSafe(Archiving archiving, const AcceptedHere& accepted) {
    if (archiving == Archiving::Declined) {
        return true;
    }
    if (archiving == Archiving::TurnedOff) {
        Tell("erase", CliText::tr("keeping read-outs in the archive is turned off, so the results erased are "
                                  "not kept anywhere"));
        return true;
    }
    return accepted.kept.InArchive();
}

int RunErase(const ParsedArguments& options) {
    record::ReadOutState state;
    if (options.Has("slot")) {
        const std::optional<int> slot = SlotFrom(options.Value("slot"));
        if (!slot) {
            return UsageError("erase", CliText::tr("--slot takes a slot number from 0 to 99"));
        }
        state.currentIndex = static_cast<std::uint16_t>(*slot);
    }
    InstallTerminalMessages(options.Has("yes"));
    TerminalHost host;
    if (!TakePortOption(options, "erase", host)) {
        return kExitFailed;
    }
    link::InstrumentSession session(TerminalPacing());
    session.SetPortChoice(host.port);
    link::CommandHost commands(session, host, state);
    const Archiving archiving = ArchivingFor(options);
    const auto accepted = KeepOnAcceptance(host, "erase", archiving,
                                           CliText::tr("nothing was erased (--no-archive erases anyway)"));
    // Erasing needs a read-out first: it tells which slots hold a result.
    const auto read = RunToEnd(commands, [&commands] { return commands.Read(); });
    if (!read || read->kind != link::OutcomeKind::ReadOutAccepted) {
        return kExitFailed;
    }
    if (!ReadOutIsSafe(archiving, *accepted)) {
        return kExitFailed;
    }
    const bool all = options.Has("all");
    const auto erased =
        RunToEnd(commands, [&commands, all] { return all ? commands.EraseAll() : commands.EraseCurrent(); });
    return erased && erased->kind == link::OutcomeKind::Erased ? kExitOk : kExitFailed;
}

const CommandRegistrar kEraseRegistrar(
    {"erase",
     "Reads the instrument and keeps that read-out in the archive as read does, then erases the result in "
     "slot N, or all results, after asking on the terminal (--yes answers OK; without a terminal and without "
     "--yes the answer is Cancel). When the read-out cannot be kept in the archive, nothing is erased and "
     "the status is 1; --no-archive erases without keeping it.",
     {{{"erase",
        {},
        {{"slot", "N", "Erase the result in slot N, 0 to 99.", Presence::OneOf},
         {"all", "", "Erase all results.", Presence::OneOf},
         {"yes", "", "Answer OK to the question before erasing."},
         {"no-archive", "", "Do not keep the read-out in the archive; erase all the same."},
         PortOption()}},
       RunErase}}});

}  // namespace
}  // namespace terrovane::cli
