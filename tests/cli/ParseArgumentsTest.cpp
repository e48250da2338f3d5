// The option library on its own: what each declaration accepts, refuses and shows.
#include <gtest/gtest.h>

#include "ParseArguments.h"

namespace terrovane::cliopts {
namespace {

// A form with every kind of option: a required one, a pair of which one is given, a switch, a repeatable
// one and an optional one.
CommandSyntax Sample(std::vector<std::string> positionals = {}) {
    return {"tool run",
            std::move(positionals),
            {{"out", "FILE", "where to", Presence::Required},
             {"slot", "N", "one slot", Presence::OneOf},
             {"all", "", "every slot", Presence::OneOf},
             {"yes", "", "no question"},
             {"dir", "DIR", "more places", Presence::Repeatable},
             {"label", "TEXT", "a label"}}};
}

ParsedArguments Parsed(const CommandSyntax& syntax, const std::vector<std::string>& arguments) {
    const ParseOutcome outcome = ParseArguments(syntax, arguments);
    EXPECT_TRUE(outcome.parsed) << outcome.error;
    return outcome.parsed.value_or(ParsedArguments{});
}

std::string ErrorOf(const CommandSyntax& syntax, const std::vector<std::string>& arguments) {
    const ParseOutcome outcome = ParseArguments(syntax, arguments);
    EXPECT_FALSE(outcome.parsed) << "accepted";
    return outcome.error;
}

TEST(CommandSyntaxTest, TheSynopsisShowsEveryPresence) {
    EXPECT_EQ(Synopsis(Sample({"ID", "TEXT"})),
              "tool run ID TEXT --out FILE (--slot N | --all) [--yes] [--dir DIR]... [--label TEXT]");
    EXPECT_EQ(Synopsis({"ports", {}, {}}), "ports");
    const std::string help = OptionsHelp(Sample(), "  ");
    EXPECT_NE(help.find("  --out FILE\n      where to\n"), std::string::npos) << help;
    EXPECT_NE(help.find("  --yes\n      no question\n"), std::string::npos) << help;
}

TEST(CommandSyntaxTest, WrappingKeepsLinesWithinTheWidth) {
    const std::string text = Wrapped("aaaa bbbb cccc dddd", "  ", 12);
    EXPECT_EQ(text, "  aaaa bbbb\n  cccc dddd\n");
    EXPECT_EQ(Wrapped("", "  "), "");
}

TEST(ParseArgumentsTest, ValuesComeAfterASpaceOrAnEqualsSign) {
    const ParsedArguments parsed = Parsed(
        Sample(), {"--out=a.xls", "--slot", "7", "--dir", "x", "--dir=y", "--yes", "--label=", "--yes"});
    EXPECT_EQ(parsed.Value("out"), "a.xls");
    EXPECT_EQ(parsed.Value("slot"), "7");
    EXPECT_EQ(parsed.values.at("dir"), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(parsed.values.at("yes").size(), 2u);
    EXPECT_TRUE(parsed.Has("label"));
    EXPECT_EQ(parsed.Value("label", "fallback"), "");
    EXPECT_FALSE(parsed.Has("all"));
    EXPECT_EQ(parsed.Value("all", "none"), "none");
    // A repeated single option: the last one counts, as before.
    EXPECT_EQ(Parsed(Sample(), {"--out", "a", "--out", "b", "--all"}).Value("out"), "b");
}

TEST(ParseArgumentsTest, AValueMayLookLikeAnOption) {
    const ParsedArguments parsed = Parsed(Sample(), {"--out", "--help", "--all", "--label", "-h"});
    EXPECT_FALSE(parsed.help);
    EXPECT_EQ(parsed.Value("out"), "--help");
    EXPECT_EQ(parsed.Value("label"), "-h");
}

TEST(ParseArgumentsTest, ArgumentsPassByteForByte) {
    const std::string notUtf8 = "/tmp/\xff\xfe caf\xc3\xa9";
    const ParsedArguments parsed = Parsed(Sample({"NAME"}), {notUtf8, "--out", notUtf8, "--all"});
    EXPECT_EQ(parsed.positionals, std::vector<std::string>{notUtf8});
    EXPECT_EQ(parsed.Value("out"), notUtf8);
}

TEST(ParseArgumentsTest, HelpIsAnsweredWhateverElseIsWrong) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--help"}, {"-h"}, {"--bogus", "--help"}, {"stray", "-h", "--out"}}) {
        const ParseOutcome outcome = ParseArguments(Sample(), arguments);
        ASSERT_TRUE(outcome.parsed) << arguments.front();
        EXPECT_TRUE(outcome.parsed->help) << arguments.front();
    }
}

TEST(ParseArgumentsTest, WhatTheDeclarationDoesNotAllowIsRefused) {
    const CommandSyntax syntax = Sample({"ID"});
    EXPECT_EQ(ErrorOf(syntax, {"1", "--all", "--out", "f", "--bogus"}), "unknown option 'bogus'");
    EXPECT_EQ(ErrorOf(syntax, {"1", "--all", "--out", "f", "-bogus"}), "unknown option 'bogus'");
    EXPECT_EQ(ErrorOf(syntax, {"1", "--all", "--out"}), "missing value after '--out'");
    EXPECT_EQ(ErrorOf(syntax, {"1", "--all=1", "--out", "f"}), "unexpected value after '--all'");
    EXPECT_EQ(ErrorOf(syntax, {"1", "2", "--all", "--out", "f"}), "unexpected argument \"2\"");
    EXPECT_EQ(ErrorOf(syntax, {"--all", "--out", "f"}), "missing ID");
    EXPECT_EQ(ErrorOf(syntax, {"1", "--all"}), "needs --out");
    EXPECT_EQ(ErrorOf(syntax, {"1", "--out", "f"}), "needs --slot or --all");
    EXPECT_EQ(ErrorOf(syntax, {"1", "--out", "f", "--slot", "2", "--all"}),
              "takes only one of --slot or --all");
    // After "--" everything is an argument, even what looks like an option.
    EXPECT_EQ(ErrorOf(syntax, {"--all", "--out", "f", "--", "1", "--x"}), "unexpected argument \"--x\"");
    EXPECT_EQ(Parsed(syntax, {"--all", "--out", "f", "--", "--x"}).positionals,
              std::vector<std::string>{"--x"});
}

TEST(ParseArgumentsTest, AnOptionGoingWithAnAlternativeComesAndGoesWithIt) {
    const CommandSyntax syntax{"fop",
                               {},
                               {{"csv", "FILE", "", Presence::OneOf},
                                {"readout", "ID", "", Presence::OneOf},
                                {"distances", "D1,D2,...", "", Presence::WithPrevious},
                                {"current-probe", "METRES", "", Presence::Required}}};
    EXPECT_EQ(Synopsis(syntax),
              "fop (--csv FILE | --readout ID --distances D1,D2,...) --current-probe METRES");
    EXPECT_EQ(
        Parsed(syntax, {"--readout", "3", "--distances", "1,2", "--current-probe", "9"}).Value("distances"),
        "1,2");
    EXPECT_TRUE(Parsed(syntax, {"--csv", "f", "--current-probe", "9"}).Has("csv"));
    EXPECT_EQ(ErrorOf(syntax, {"--readout", "3", "--current-probe", "9"}), "--readout needs --distances");
    EXPECT_EQ(ErrorOf(syntax, {"--csv", "f", "--distances", "1", "--current-probe", "9"}),
              "--distances goes with --readout");
    EXPECT_EQ(ErrorOf(syntax, {"--csv", "f", "--readout", "3", "--distances", "1", "--current-probe", "9"}),
              "takes only one of --csv or --readout");
    EXPECT_EQ(ErrorOf(syntax, {"--current-probe", "9"}), "needs --csv or --readout");
}

TEST(ParseArgumentsTest, AnOptionalGroupTakesNoneOrOne) {
    const CommandSyntax syntax{"grid",
                               {},
                               {{"design", "FILE", "", Presence::Required},
                                {"rho", "OHM_M", "", Presence::AtMostOneOf},
                                {"site", "SITE", "", Presence::AtMostOneOf},
                                {"slot", "N", "", Presence::OneOf},
                                {"all", "", "", Presence::OneOf}}};
    EXPECT_EQ(Synopsis(syntax), "grid --design FILE [--rho OHM_M | --site SITE] (--slot N | --all)");
    EXPECT_FALSE(Parsed(syntax, {"--design", "d", "--all"}).Has("rho"));
    EXPECT_EQ(Parsed(syntax, {"--design", "d", "--site", "s", "--all"}).Value("site"), "s");
    EXPECT_EQ(ErrorOf(syntax, {"--design", "d", "--rho", "1", "--site", "s", "--all"}),
              "takes only one of --rho or --site");
    EXPECT_EQ(ErrorOf(syntax, {"--design", "d", "--rho", "1"}), "needs --slot or --all");
}

TEST(ParseArgumentsTest, AFormWithoutOptionsTakesNothing) {
    const CommandSyntax ports{"ports", {}, {}};
    EXPECT_TRUE(Parsed(ports, {}).values.empty());
    EXPECT_EQ(ErrorOf(ports, {"x"}), "unexpected argument \"x\"");
    EXPECT_EQ(ErrorOf(ports, {"--x"}), "unknown option 'x'");
}

}  // namespace
}  // namespace terrovane::cliopts
