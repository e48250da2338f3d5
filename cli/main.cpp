// terrovane-cli: the instrument link and the outputs of Terrovane, from a terminal.
#include <QGuiApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "CliText.h"
#include "Command.h"
#include "ProgramGuard.h"

namespace terrovane::cli {
namespace {

constexpr const char* kVersion = TERROVANE_VERSION;

void PrintWrapped(const std::string& text, const char* indent) {
    std::fputs(cliopts::Wrapped(text, indent).c_str(), stdout);
}

void PrintCommand(const CommandEntry& command) {
    std::fputs(Synopses(command, "    ").c_str(), stdout);
    PrintWrapped(command.description, "        ");
}

void PrintUsage() {
    std::printf(
        "NAME\n    terrovane-cli - the earth resistance tester's link and outputs from a terminal\n\n");
    std::printf(
        "SYNOPSIS\n    terrovane-cli COMMAND [OPTIONS]\n    terrovane-cli COMMAND --help\n"
        "    terrovane-cli help [COMMAND]\n"
        "    terrovane-cli --help | -h | --version\n\n");
    std::printf("DESCRIPTION\n");
    PrintWrapped(
        "Talks to the instrument through the same link code as Terrovane: the port is found in the "
        "serial-port map, every exchange opens it afresh. Messages go to standard error, results to "
        "standard output.",
        "    ");
    std::printf("\nCOMMANDS\n");
    for (const CommandEntry& command : Commands()) {
        PrintCommand(command);
    }
    std::printf("\nOPTIONS\n    -h, --help    this text\n    --version     the program's version\n");
    PrintWrapped(
        "Each command's options are shown with it above; \"terrovane-cli COMMAND --help\" describes them. "
        "An option's value follows it as the next argument or after \"=\" (--out FILE, --out=FILE).",
        "    ");
    std::printf("\n");
    std::printf(
        "EXIT STATUS\n    0  success\n    1  the exchange or the output failed (the message says why)\n"
        "    2  bad usage\n\n");
    std::printf("ENVIRONMENT\n");
    std::printf("    TERROVANE_PORTMAP\n");
    PrintWrapped(
        "A port-map file used instead of the live system's USB serial ports (the simulated "
        "instrument publishes itself in one).",
        "        ");
    std::printf("    TERROVANE_HANDOFF_DIR\n");
    PrintWrapped("The folder of the print hand-off files.", "        ");
    std::printf("    TERROVANE_ARCHIVE\n");
    PrintWrapped(
        "The measurement archive, an SQLite file that keeps every accepted read-out; by default "
        "~/.local/share/Terrovane/archive.sqlite.",
        "        ");
}

int Help(const std::vector<std::string>& args) {
    if (args.empty()) {
        PrintUsage();
        return kExitOk;
    }
    const CommandEntry* command = FindCommand(args.front());
    if (command == nullptr || args.size() > 1) {
        Tell("terrovane-cli",
             CliText::tr("no command \"%1\"; see terrovane-cli --help").arg(Given(args.front())));
        return kExitUsage;
    }
    std::fputs(CommandHelp(*command).c_str(), stdout);
    return kExitOk;
}

int Dispatch(const std::vector<std::string>& args) {
    if (args.empty()) {
        PrintUsage();
        return kExitUsage;
    }
    const std::string& name = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (name == "--help" || name == "-h") {
        PrintUsage();
        return kExitOk;
    }
    if (name == "--version") {
        std::printf("terrovane-cli %s\n", kVersion);
        return kExitOk;
    }
    if (name == "help") {
        return Help(rest);
    }
    const CommandEntry* command = FindCommand(name);
    if (command == nullptr) {
        Tell("terrovane-cli",
             CliText::tr("unknown command \"%1\"; see terrovane-cli --help").arg(Given(name)));
        return kExitUsage;
    }
    return RunCommand(*command, rest);
}

}  // namespace
}  // namespace terrovane::cli

int main(int argc, char** argv) {
    return terrovane::platform::RunGuarded("terrovane-cli", [&] {
        // Some commands render PDFs: a GUI application, on no screen at all.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QGuiApplication app(argc, argv);
        terrovane::cli::InstallMessageLanguage();
        return terrovane::cli::Dispatch(std::vector<std::string>(argv + 1, argv + argc));
    });
}
