#pragma once

#include <string>

#include "ArchiveFixtures.h"
#include "JsonSchema.h"

namespace terrovane::archive::testing {

// terrovane-cli run as a program on the test's archive, in English and with a configuration of its own; a
// JSON it prints is checked against its schema.
class ArchiveCliTest : public ArchiveTest {
  protected:
    CommandRun Cli(const std::string& args) const {
        CommandRun run = RunCommand("QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 XDG_CONFIG_HOME='" +
                                    Path("config") + "' TERROVANE_ARCHIVE='" + Path() + "' '" +
                                    TERROVANE_CLI_PATH + "' " + args + " 2>" + Path("stderr.txt"));
        EXPECT_EQ(terrovane::testing::CliJsonViolations(args, run.text), "") << args;
        return run;
    }
    std::string Errors() const { return ReadFile(Path("stderr.txt")); }
};

}  // namespace terrovane::archive::testing
