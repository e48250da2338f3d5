// The command synopsis lives in --help and the manual pages only; the documentation names commands in
// its prose. These tests keep the two from drifting: every command the docs name exists, and every
// command the program has is described in the user's or the office's guide.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "ChildProcess.h"
#include "JsonSchema.h"

namespace terrovane::testing {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The first word of each line of the help's COMMANDS section.
std::set<std::string> HelpCommands(const std::string& help) {
    std::set<std::string> commands;
    bool inSection = false;
    std::istringstream in(help);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != ' ')
            inSection = line == "COMMANDS";
        else if (inSection && line.rfind("    ", 0) == 0 && line.size() > 4 && line[4] != ' ')
            commands.insert(line.substr(4, line.find(' ', 4) - 4));
    }
    return commands;
}

// Every command word written right after the program's name ("terrovane-cli due", "terrovane-cli
// team status") in the text.
std::set<std::string> NamedCommands(const std::string& text) {
    static const std::regex named(R"(terrovane-cli ([a-z]+))");
    std::set<std::string> commands;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), named); it != std::sregex_iterator(); ++it)
        commands.insert((*it)[1].str());
    return commands;
}

std::string AllDocs() {
    const std::filesystem::path root = TERROVANE_SOURCE_DIR;
    std::string text = ReadFile(root / "README.md");
    for (const auto& entry : std::filesystem::directory_iterator(root / "docs"))
        if (entry.path().extension() == ".md")
            text += ReadFile(entry.path());
    return text;
}

class DocsCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const ChildOutcome help = RunChild(TERROVANE_CLI_PATH, {"--help"});
        ASSERT_EQ(help.status, 0);
        commands = HelpCommands(help.out);
        ASSERT_GE(commands.size(), 10u);
    }
    std::set<std::string> commands;
};

TEST_F(DocsCommandsTest, EveryCommandTheDocsNameExists) {
    for (const std::string& named : NamedCommands(AllDocs()))
        EXPECT_TRUE(commands.count(named))
            << "the docs name `terrovane-cli " << named << "`, which --help lacks";
}

TEST_F(DocsCommandsTest, EveryCommandIsDescribedInAGuide) {
    const std::filesystem::path root = TERROVANE_SOURCE_DIR;
    const std::set<std::string> described =
        NamedCommands(ReadFile(root / "docs" / "user-guide.md") + ReadFile(root / "docs" / "team-server.md"));
    for (const std::string& command : commands)
        EXPECT_TRUE(described.count(command)) << "no guide describes `terrovane-cli " << command << "`";
}

TEST_F(DocsCommandsTest, TheReadmeLeavesTheSynopsisToTheHelp) {
    // A usage block in the README would be a second copy of --help, bound to drift.
    const std::string readme = ReadFile(std::filesystem::path(TERROVANE_SOURCE_DIR) / "README.md");
    EXPECT_EQ(readme.find("    terrovane-cli "), std::string::npos);
    std::size_t lines = 0;
    for (const char c : readme)
        lines += c == '\n';
    EXPECT_LE(lines, 150u);
}

TEST_F(DocsCommandsTest, EveryJsonOutputHasItsSchema) {
    const ChildOutcome help = RunChild(TERROVANE_CLI_PATH, {"--help"});
    std::istringstream in(help.out);
    int outputs = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("    ", 0) != 0 || line.size() < 5 || line[4] == ' ' ||
            line.find("json") == std::string::npos)
            continue;
        std::vector<std::string> words;
        std::istringstream split(line);
        for (std::string word; split >> word && word.rfind("[", 0) != 0 && word.rfind("(", 0) != 0;)
            words.push_back(word);
        words.insert(words.end(), {"--format", "json"});
        const std::string schema = JsonSchemaOf(words);
        ASSERT_FALSE(schema.empty()) << line;
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(TERROVANE_SOURCE_DIR) / "docs" / "schemas" /
                                            (schema + ".schema.json")))
            << schema;
        ++outputs;
    }
    EXPECT_GE(outputs, 8);
}

TEST_F(DocsCommandsTest, TheSchemaCheckCatchesWhatBreaksASchema) {
    EXPECT_EQ(
        JsonSchemaViolations("due", R"([{"site":"Yard","point":"Rod","last_tested":null,"failed_since":0,)"
                                    R"("interval_months":12,"due":null,"overdue":true}])"),
        "");
    EXPECT_NE(JsonSchemaViolations("due", R"([{"site":1}])"), "");
    EXPECT_NE(JsonSchemaViolations("sites", "[{"), "");  // no JSON at all
}

}  // namespace
}  // namespace terrovane::testing
