// The README's usage block says what the programs' --help says, line for line.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "ChildProcess.h"

namespace terrovane::testing {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The usage lines of the README's "Programs and files" block for `program`, each continuation line (indented
// further, not starting with a program's name) joined to the line it continues.
std::set<std::string> ReadmeSynopses(const std::string& program) {
    std::ifstream in(TERROVANE_README_PATH);
    std::stringstream text;
    text << in.rdbuf();
    std::set<std::string> synopses;
    std::string current;
    bool inBlock = false;
    auto finish = [&] {
        if (!current.empty())
            synopses.insert(current);
        current.clear();
    };
    for (const std::string& line : Lines(text.str())) {
        if (line.rfind("## ", 0) == 0)
            inBlock = line == "## Programs and files";
        if (!inBlock)
            continue;
        if (line.rfind("    " + program + " ", 0) == 0 || line == "    " + program) {
            finish();
            current = line.substr(4);
        } else if (!current.empty() && line.rfind("     ", 0) == 0 && line.find("    terrovane-") != 0) {
            current += " " + line.substr(line.find_first_not_of(' '));
        } else {
            finish();
        }
    }
    finish();
    return synopses;
}

// The lines indented by exactly four spaces in one section of a help text.
std::set<std::string> HelpLines(const std::string& help, const std::string& section,
                                const std::string& prefix) {
    std::set<std::string> lines;
    bool inSection = false;
    for (const std::string& line : Lines(help)) {
        if (!line.empty() && line[0] != ' ')
            inSection = line == section;
        else if (inSection && line.rfind("    ", 0) == 0 && line.size() > 4 && line[4] != ' ')
            lines.insert(prefix + line.substr(4));
    }
    return lines;
}

TEST(ReadmeUsageTest, TheCommandLinesAreThoseOfTheCliHelp) {
    const ChildOutcome help = RunChild(TERROVANE_CLI_PATH, {"--help"});
    ASSERT_EQ(help.status, 0);
    const std::set<std::string> commands = HelpLines(help.out, "COMMANDS", "terrovane-cli ");
    ASSERT_GE(commands.size(), 10u);
    EXPECT_EQ(ReadmeSynopses("terrovane-cli"), commands);
}

TEST(ReadmeUsageTest, TheSimulatorsLineIsThatOfItsHelp) {
    const ChildOutcome help = RunChild(TERROVANE_SIM_PATH, {"--help"});
    ASSERT_EQ(help.status, 0);
    std::set<std::string> synopsis = HelpLines(help.out, "SYNOPSIS", "");
    synopsis.erase("terrovane-sim --help | -h | --version");
    EXPECT_EQ(ReadmeSynopses("terrovane-sim"), synopsis);
}

}  // namespace
}  // namespace terrovane::testing
