// terrovane-cli erase: erases one stored result or all of them.
#include "Command.h"
#include "TerminalHost.h"

namespace terrovane::cli {
namespace {

std::optional<int> SlotFrom(const std::string& text) {
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoi(text);
}

int RunErase(const ParsedArguments& options) {
    record::ReadOutState state;
    if (options.Has("slot")) {
        const std::optional<int> slot = SlotFrom(options.Value("slot"));
        if (!slot) {
            return UsageError("erase", "--slot takes a slot number from 0 to 99");
        }
        state.currentIndex = static_cast<std::uint16_t>(*slot);
    }
    InstallTerminalMessages(options.Has("yes"));
    TerminalHost host;
    link::InstrumentSession session(TerminalPacing());
    link::CommandHost commands(session, host, state);
    // Erasing needs a read-out first: it tells which slots hold a result.
    const auto read = RunToEnd(commands, [&commands] { return commands.Read(); });
    if (!read || read->kind != link::OutcomeKind::ReadOutAccepted) {
        return kExitFailed;
    }
    const bool all = options.Has("all");
    const auto erased =
        RunToEnd(commands, [&commands, all] { return all ? commands.EraseAll() : commands.EraseCurrent(); });
    return erased && erased->kind == link::OutcomeKind::Erased ? kExitOk : kExitFailed;
}

const CommandRegistrar kRegistrar(
    {"erase",
     "Reads the instrument, then erases the result in slot N, or all results, after asking on the terminal "
     "(--yes answers OK; without a terminal and without --yes the answer is Cancel).",
     {{{"erase",
        {},
        {{"slot", "N", "Erase the result in slot N, 0 to 99.", Presence::OneOf},
         {"all", "", "Erase all results.", Presence::OneOf},
         {"yes", "", "Answer OK to the question before erasing."}}},
       RunErase}}});

}  // namespace
}  // namespace terrovane::cli
